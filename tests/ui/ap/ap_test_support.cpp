#include "tests/ui/ap/ap_test_support.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "adapter/nic_adapter.h"
#include "platform/text.h"

namespace ApTest {

std::string Settings(const std::string& moreAdapterSettings) {
  return "[Setting]\r\nHWID0=SIM\\ORVWL_0001\r\n[SIM\\ORVWL_0001]\r\nEnableSoftAP=1\r\n" +
         moreAdapterSettings;
}

TFormMain::Timing FastTiming() {
  using std::chrono::milliseconds;
  TFormMain::Timing timing;
  timing.detect.detectDelay = milliseconds(30);
  timing.adapter.firstCollect = milliseconds(10);
  timing.adapter.collect = milliseconds(40);
  timing.adapter.afterConnect = milliseconds(10);
  timing.adapter.detectRetry = milliseconds(10);
  timing.adapter.afterRelease = milliseconds(10);
  return timing;
}

void ForgetProfiles() {
  if (const char* home = std::getenv("ORVWL_SIM_HOME")) {
    std::filesystem::remove_all(std::filesystem::path(home) / "profiles");
  }
}

bool RunningAs(CNICAdapter& adapter, const std::string& ssid) {
  WLANStatus status{};
  adapter.GetStatus(status);
  const std::string shown(reinterpret_cast<const char*>(status.Ssid),
                          static_cast<std::size_t>(std::clamp(status.SsidLength, 0, 32)));
  return status.MediaState == kMediaConnected && shown == ssid;
}

std::optional<QByteArray> ReadQrCode(const QImage& picture) {
  const QString reader = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
  if (reader.isEmpty()) return std::nullopt;
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("code.png"));
  if (!picture.save(file)) return QByteArray();
  QProcess process;
  // Binary output: the bytes as the code holds them, without a guess at their character set.
  process.start(reader, {QStringLiteral("--quiet"), QStringLiteral("--raw"),
                         QStringLiteral("-Sbinary"), file});
  if (!process.waitForFinished(20000) || process.exitCode() != 0) return QByteArray();
  QByteArray text = process.readAllStandardOutput();
  // Text output ends with a line break the code does not hold.
  if (text.endsWith('\n')) text.chop(1);
  return text;
}

}  // namespace ApTest
