#pragma once

#include <initializer_list>
#include <mutex>
#include <type_traits>
#include <vector>

// A shared library that is opened at its first use instead of at program start, so that a part
// of the program that is not used costs neither start-up time nor memory. Fill opens the first
// of the names that can be opened and looks up every function of a table.
//
// The table is made by TASTRA_LAZY_API from an X-macro listing the library's functions by the
// names the library gives them:
//   #define MY_FUNCTIONS(X) X(foo_open) X(foo_close)
//   TASTRA_LAZY_API(TMyApi, MY_FUNCTIONS)
//   if (const TMyApi* foo = LazyApi<TMyApi>({"libfoo.so.1", "libfoo.so"})) foo->foo_open(...);
#define TASTRA_LAZY_POINTER(name) decltype(&::name) name = nullptr;
#define TASTRA_LAZY_BIND(name) bind(api.name, #name);
#define TASTRA_LAZY_API(Api, FUNCTIONS)                                          \
    struct Api {                                                                 \
        FUNCTIONS(TASTRA_LAZY_POINTER)                                           \
        bool Bind(TLazyLibrary& library) {                                       \
            auto& api = *this;                                                   \
            return library.Fill([&](auto bind) { FUNCTIONS(TASTRA_LAZY_BIND) }); \
        }                                                                        \
    };

class TLazyLibrary {
public:
    TLazyLibrary(std::initializer_list<const char*> names) : m_names(names) {}
    TLazyLibrary(const TLazyLibrary&) = delete;
    TLazyLibrary& operator=(const TLazyLibrary&) = delete;

    // True when the library was opened and every function was found; the same answer every
    // time, the work being done at the first call only (so a library fills one table).
    template <typename TBindAll>
    bool Fill(TBindAll bindAll) {
        std::call_once(m_once, [&] {
            if (!Open()) return;
            bool all = true;
            bindAll([&](auto& pointer, const char* name) {
                pointer = reinterpret_cast<std::remove_reference_t<decltype(pointer)>>(Find(name));
                all = all && pointer != nullptr;
            });
            m_ok = all;
        });
        return m_ok;
    }

private:
    bool Open();
    void* Find(const char* name) const;

    std::vector<const char*> m_names;
    void* m_handle = nullptr;
    std::once_flag m_once;
    bool m_ok = false;
};

// The one table of TApi, filled at the first call from the first of `names` that opens; null
// when none opens or a function is missing. Each TApi has its own table and library.
template <typename TApi>
const TApi* LazyApi(std::initializer_list<const char*> names) {
    static TLazyLibrary library(names);
    static TApi api;
    return api.Bind(library) ? &api : nullptr;
}
