#include "net/posix/OpenSsl.h"

#include <dlfcn.h>

#include <string>

#include "net/TlsSession.h"

namespace lookout::openssl {

const Calls& Loaded() {
    static const Calls calls = [] {
        // The major version the headers are of: its ABI is the one they describe.
        const std::string file = "libssl.so." + std::to_string(OPENSSL_VERSION_MAJOR);
        // Loaded for good: the sessions and the context outlive any caller.
        void* library = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!library) throw TlsError(tls_texts::kHandshakeFailed, ::dlerror());
        Calls loaded{};
        std::string missing;
#define LOOKOUT_OPENSSL_LOAD(name)                                                                 \
    loaded.name = reinterpret_cast<decltype(loaded.name)>(::dlsym(library, #name));               \
    if (!loaded.name && missing.empty()) missing = #name;
        LOOKOUT_OPENSSL_CALLS(LOOKOUT_OPENSSL_LOAD)
#undef LOOKOUT_OPENSSL_LOAD
        if (!missing.empty()) throw TlsError(tls_texts::kHandshakeFailed, file + " has no " + missing);
        return loaded;
    }();
    return calls;
}

}  // namespace lookout::openssl
