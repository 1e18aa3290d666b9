#include "platform/lib/lazylibrary.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

// Declared only: no library has it, so looking it up must fail.
extern "C" double tastra_test_no_such_function(double);

namespace {

#define PRESENT_FUNCTIONS(X) X(strlen) X(atoi)
#define MIXED_FUNCTIONS(X) X(strlen) X(tastra_test_no_such_function)

struct TPresentApi {
    PRESENT_FUNCTIONS(TASTRA_LAZY_POINTER)
};
struct TMixedApi {
    MIXED_FUNCTIONS(TASTRA_LAZY_POINTER)
};

}  // namespace

TEST(LazyLibrary, FindsTheFunctionsOfTheFirstLibraryThatOpens) {
    TLazyLibrary library{"libtastra-test-missing.so.0", "libc.so.6"};
    TPresentApi api;
    ASSERT_TRUE(library.Fill([&](auto bind) { PRESENT_FUNCTIONS(TASTRA_LAZY_BIND) }));
    EXPECT_EQ(api.strlen("four"), 4u);
    EXPECT_EQ(api.atoi("42"), 42);
}

// A table with a hole must not count as loaded: the caller would call through a null pointer.
TEST(LazyLibrary, MissingLibraryOrFunctionIsAFailureEveryTime) {
    TLazyLibrary missing{"libtastra-test-missing.so.0"};
    TPresentApi present;
    auto& api = present;
    EXPECT_FALSE(missing.Fill([&](auto bind) { PRESENT_FUNCTIONS(TASTRA_LAZY_BIND) }));
    EXPECT_EQ(present.strlen, nullptr);

    TLazyLibrary libc{"libc.so.6"};
    TMixedApi mixed;
    for (int attempt = 0; attempt < 2; ++attempt) {
        auto& api = mixed;
        EXPECT_FALSE(libc.Fill([&](auto bind) { MIXED_FUNCTIONS(TASTRA_LAZY_BIND) }));
    }
    EXPECT_EQ(mixed.tastra_test_no_such_function, nullptr);
}
