#include "simulator/libcrypto.h"

#include <openssl/crypto.h>
#include <openssl/opensslv.h>

#include <stdexcept>
#include <string>

#include "platform/dynamic_library.h"

namespace orvsim {

namespace {

const std::string kSoname = "libcrypto.so." + std::to_string(OPENSSL_SHLIB_VERSION);

template <typename Function>
void Resolve(const DynamicLibrary& library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(library.Symbol(name));
  if (function == nullptr) throw std::runtime_error(kSoname + " has no " + name);
}

Libcrypto Load() {
  DynamicLibrary library;
  if (!library.Open(kSoname))
    throw std::runtime_error("libcrypto is not available: " + library.LastError());
  decltype(&::OPENSSL_init_crypto) init = nullptr;
  Resolve(library, "OPENSSL_init_crypto", init);
  // Inside another program libcrypto must not tear itself down at exit: the
  // key thread may still be deriving while the exit handlers run.
  if (init(OPENSSL_INIT_NO_ATEXIT, nullptr) != 1)
    throw std::runtime_error("libcrypto is not available");
  Libcrypto crypto{};
  Resolve(library, "EVP_MD_CTX_new", crypto.newContext);
  Resolve(library, "EVP_MD_CTX_free", crypto.freeContext);
  Resolve(library, "EVP_DigestInit_ex", crypto.digestInit);
  Resolve(library, "EVP_DigestUpdate", crypto.digestUpdate);
  Resolve(library, "EVP_DigestFinal_ex", crypto.digestFinal);
  Resolve(library, "EVP_Digest", crypto.digest);
  Resolve(library, "EVP_sha1", crypto.sha1);
  Resolve(library, "EVP_md5", crypto.md5);
  Resolve(library, "HMAC", crypto.hmac);
  Resolve(library, "PKCS5_PBKDF2_HMAC_SHA1", crypto.pbkdf2HmacSha1);
  // libcrypto sets itself up lazily (its configuration, its providers), which
  // may load modules too: one small derivation has that happen on this thread.
  const unsigned char salt = 0;
  unsigned char key[20];
  crypto.pbkdf2HmacSha1("x", 1, &salt, 1, 1, sizeof key, key);
  // The functions are used for the rest of the process: libcrypto stays mapped.
  library.Abandon();
  return crypto;
}

}  // namespace

const Libcrypto& Crypto() {
  static const Libcrypto crypto = Load();
  return crypto;
}

}  // namespace orvsim
