#include "platform/lib/lazylibrary.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

// Declared only: no library has it, so looking it up must fail.
extern "C" double tastra_test_no_such_function(double);

namespace {

#define PRESENT_FUNCTIONS(X) X(strlen) X(atoi)
#define MIXED_FUNCTIONS(X) X(strlen) X(tastra_test_no_such_function)

TASTRA_LAZY_API(TPresentApi, PRESENT_FUNCTIONS)
TASTRA_LAZY_API(TMixedApi, MIXED_FUNCTIONS)

}  // namespace

TEST(LazyLibrary, FindsTheFunctionsOfTheFirstLibraryThatOpens) {
    TLazyLibrary library{"libtastra-test-missing.so.0", "libc.so.6"};
    TPresentApi api;
    ASSERT_TRUE(api.Bind(library));
    EXPECT_EQ(api.strlen("four"), 4u);
    EXPECT_EQ(api.atoi("42"), 42);
}

// A table with a hole must not count as loaded: the caller would call through a null pointer.
TEST(LazyLibrary, MissingLibraryOrFunctionIsAFailureEveryTime) {
    TLazyLibrary missing{"libtastra-test-missing.so.0"};
    TPresentApi present;
    EXPECT_FALSE(present.Bind(missing));
    EXPECT_EQ(present.strlen, nullptr);

    TLazyLibrary libc{"libc.so.6"};
    TMixedApi mixed;
    for (int attempt = 0; attempt < 2; ++attempt) EXPECT_FALSE(mixed.Bind(libc));
    EXPECT_EQ(mixed.tastra_test_no_such_function, nullptr);
}
