#pragma once

#include <openssl/evp.h>
#include <openssl/hmac.h>

namespace orvsim {

// The system's libcrypto, loaded when a hash is first asked for: most
// sessions never derive a key, and loading it with the library would cost
// every start-up a millisecond and 1.4 MB of memory.
struct Libcrypto {
  decltype(&::EVP_MD_CTX_new) newContext;
  decltype(&::EVP_MD_CTX_free) freeContext;
  decltype(&::EVP_DigestInit_ex) digestInit;
  decltype(&::EVP_DigestUpdate) digestUpdate;
  decltype(&::EVP_DigestFinal_ex) digestFinal;
  decltype(&::EVP_Digest) digest;
  decltype(&::EVP_sha1) sha1;
  decltype(&::EVP_md5) md5;
  decltype(&::HMAC) hmac;
  decltype(&::PKCS5_PBKDF2_HMAC_SHA1) pbkdf2HmacSha1;
};

// Loads it on the first call, from any thread; throws std::runtime_error
// when the system has no usable libcrypto.
const Libcrypto& Crypto();

}  // namespace orvsim
