// The simulator's own crypto against published vectors: FIPS 180 and RFC
// 3174 for SHA-1, RFC 2202 for HMAC-SHA1, RFC 6070 for PBKDF2, RFC 1321 for
// MD5, and the WPA and WEP pass-phrase vectors of the reference notes.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "simulator/md5.h"
#include "simulator/pbkdf2.h"
#include "simulator/sha1.h"
#include "simulator/text_codec.h"
#include "simulator/wep_keys.h"

using namespace orvsim;

namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

template <typename Digest>
std::string Hex(const Digest& digest) {
  return Lower(HexUpper(digest));
}

TEST(CryptoTest, Sha1MatchesPublishedVectors) {
  const std::string millionA(1000000, 'a');
  const struct {
    std::string input;
    const char* digest;
  } cases[] = {
      {"", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
      {"abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
      {millionA, "34aa973cd4c4daa4f61eeb2bdbad27316534016f"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Hex(Sha1Of(c.input)), c.digest) << c.input.substr(0, 20);
    // The same digest fed in uneven pieces across block boundaries.
    Sha1 pieces;
    for (std::size_t at = 0, step = 1; at < c.input.size(); at += step, step = step % 97 + 13) {
      pieces.Update(std::string_view(c.input).substr(at, step));
    }
    EXPECT_EQ(Hex(pieces.Final()), c.digest);
  }
}

TEST(CryptoTest, HmacSha1MatchesRfc2202) {
  EXPECT_EQ(Hex(HmacSha1(std::string(20, '\x0b')).Mac("Hi There")),
            "b617318655057264e28bc0b6fb378c8ef146be00");
  EXPECT_EQ(Hex(HmacSha1("Jefe").Mac("what do ya want for nothing?")),
            "effcdf6ae5eb2fa2d27416d5f184df9c259a7c79");
  // A key longer than a block is hashed first.
  EXPECT_EQ(Hex(HmacSha1(std::string(80, '\xaa'))
                    .Mac("Test Using Larger Than Block-Size Key - Hash Key First")),
            "aa4ae5e15272d00e95705637ce8a3b55ed402112");
}

TEST(CryptoTest, Pbkdf2MatchesRfc6070) {
  const struct {
    const char* password;
    const char* salt;
    int iterations;
    std::size_t length;
    const char* key;
  } cases[] = {
      {"password", "salt", 1, 20, "0c60c80f961f0e71f3a9b524af6012062fe037a6"},
      {"password", "salt", 2, 20, "ea6c014dc72d6f8ccd1ed92ace1d41f0d8de8957"},
      {"password", "salt", 4096, 20, "4b007901b765489abead49d926f721d065a429c1"},
      {"passwordPASSWORDpassword", "saltSALTsaltSALTsaltSALTsaltSALTsalt", 4096, 25,
       "3d2eec4fe41c849b80c8d83662c0e44a8b291a964cf2f07038"},
  };
  for (const auto& c : cases) {
    std::vector<uint8_t> out(c.length);
    const std::string salt = c.salt;
    Pbkdf2HmacSha1(c.password,
                   std::span(reinterpret_cast<const uint8_t*>(salt.data()), salt.size()),
                   c.iterations, out);
    EXPECT_EQ(Hex(out), c.key) << c.password << " " << c.iterations;
  }
}

TEST(CryptoTest, WpaPskMatchesReferenceVectors) {
  EXPECT_EQ(Hex(WpaPsk("password", "IEEE")),
            "f42c6fc52df0ebef9ebb4b90b38a5f902e83fe1b135a70e23aed762e9710a12e");
  EXPECT_EQ(Hex(WpaPsk("ThisIsAPassword", "ThisIsASSID")),
            "0dc0d6eb90555ed6419756b9a15ec3e3209b63df707dd508d14581f8982721af");
}

TEST(CryptoTest, Md5MatchesRfc1321) {
  const struct {
    const char* input;
    const char* digest;
  } cases[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72"},
      {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "57edf4a22be3c955ac49da2e2107b67a"},
  };
  for (const auto& c : cases) EXPECT_EQ(Hex(Md5Of(std::string_view(c.input))), c.digest) << c.input;
}

TEST(CryptoTest, WepKeyTextsTellTheirFormatByLength) {
  const struct {
    const char* text;
    std::size_t bytes;
  } cases[] = {{"abcde", 5},
               {"6162636465", 5},
               {"abcdefghijklm", 13},
               {"00112233445566778899AABBCC", 13},
               {"abcd", 0},
               {"616263646G", 0},
               {"", 0}};
  for (const auto& c : cases) {
    const auto key = WepKeyFromText(c.text);
    EXPECT_EQ(key ? key->size() : 0, c.bytes) << c.text;
  }
  EXPECT_EQ(WepKeyFromText("abcde"), WepKeyFromText("6162636465"));
}

}  // namespace
