#include "ui/qt/startup.h"

#include <QCoreApplication>
#include <QTimer>

#include "ui/qt/main_window.h"

namespace varnak::gui {

void SetUpApplication() {
  // The application name, not a display name: Qt would add a display name to every
  // window caption, and the window has a caption of its own.
  QCoreApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
  // Where QSettings keeps what the user chose between runs (~/.config/VarnakSkarn/).
  QCoreApplication::setOrganizationName(QStringLiteral("VarnakSkarn"));
}

bool OpenFromCommandLine(MainWindow& window, const std::vector<std::string>& arguments) {
  if (arguments.size() == 2 && arguments[0] == "--follow") {
    QTimer::singleShot(0, &window, [&window, folder = arguments[1]] { window.FollowFolder(folder); });
    return true;
  }
  if (arguments.size() > 1 || (arguments.size() == 1 && arguments[0] == "--follow")) return false;
  if (arguments.size() == 1) {
    // The same load as "Load File", once the window is on the screen to own its messages.
    QTimer::singleShot(0, &window, [&window, save = arguments.front()] { window.LoadFile(save); });
  }
  return true;
}

}  // namespace varnak::gui
