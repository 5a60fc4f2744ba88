#pragma once

#include <QImage>
#include <string_view>

// The bytes as a QR code (byte mode, error correction level M): black modules
// of moduleSize pixels on white, inside the quiet zone of four modules that
// readers need. A null image when the bytes are empty or too many for a code.
QImage QrCodeImage(std::string_view bytes, int moduleSize);
