#include "stages.h"

#include <zlib.h>
#ifdef VARNAK_HAVE_LIBDEFLATE
#include <libdeflate.h>
#endif

#include <QApplication>
#include <QScrollArea>
#include <QTabWidget>

#include <cstdio>
#include <cstdlib>

#include "parser/save_analyse.h"
#include "saveio/save_loader.h"
#include "ui/qt/main_window.h"

namespace varnak::bench {
namespace {

uint32_t LE32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

}  // namespace

void QuietenOffscreenPlatform() {
  static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains(QLatin1String("does not support propagateSizeHints"))) standard(type, context, text);
  });
}

void Require(bool ok, const std::string& what) {
  if (ok) return;
  std::fprintf(stderr, "varnak_bench: %s\n", what.c_str());
  std::exit(1);
}

size_t Floor::Run(const std::string& path) {
  std::FILE* in = std::fopen(path.c_str(), "rb");
  Require(in != nullptr, "cannot open " + path);
  std::fseek(in, 0, SEEK_END);
  const long size = std::ftell(in);
  std::fseek(in, 0, SEEK_SET);
  file_.resize(static_cast<size_t>(size));
  const size_t got = std::fread(file_.data(), 1, file_.size(), in);
  std::fclose(in);
  Require(got == file_.size(), "cannot read " + path);

  // The stream comes in length-prefixed chunks; zlib's one-call inflate wants it whole.
  const int32_t start = FindStreamStart(file_);
  Require(start >= 4, path + " holds no stream");
  joined_.clear();
  for (size_t at = static_cast<size_t>(start) - 4; at + 4 <= file_.size();) {
    const auto length = static_cast<int32_t>(LE32(file_.data() + at));
    if (length < 1) break;
    const size_t take = std::min(static_cast<size_t>(length), file_.size() - at - 4);
    joined_.insert(joined_.end(), file_.begin() + static_cast<std::ptrdiff_t>(at + 4),
                   file_.begin() + static_cast<std::ptrdiff_t>(at + 4 + take));
    at += 4 + static_cast<size_t>(length);
  }

  if (body_ == nullptr) {
    bodyCapacity_ = static_cast<size_t>(kMaxInflatedBody);
    body_.reset(new uint8_t[bodyCapacity_]);
  }
#ifdef VARNAK_HAVE_LIBDEFLATE
  if (with_ == With::LoadsInflater) {
    static libdeflate_decompressor* const decompressor = libdeflate_alloc_decompressor();
    size_t inflated = 0;
    const libdeflate_result rc = libdeflate_zlib_decompress(decompressor, joined_.data(), joined_.size(),
                                                            body_.get(), bodyCapacity_, &inflated);
    Require(rc == LIBDEFLATE_SUCCESS, path + " does not inflate");
    return inflated;
  }
#endif
  uLongf inflated = static_cast<uLongf>(bodyCapacity_);
  const int rc = uncompress(body_.get(), &inflated, joined_.data(), static_cast<uLong>(joined_.size()));
  Require(rc == Z_OK, path + " does not inflate");
  return static_cast<size_t>(inflated);
}

size_t Load::Run(const std::string& path) {
  LoadedSave loaded = LoadSaveFile(path);
  Require(loaded.Ok, loaded.Error);
  model_ = SaveAnalyse(loaded.Image, GameScoreFactors{}, model_.get());
  RecycleImage(std::move(loaded.Image));
  return model_->ReplayLog.size();
}

void QuietHost::ShowError(const std::string& message) { Require(false, message); }
void QuietHost::ShowWarning(const std::string& message) { Require(false, message); }

void HeadlessLoad(ui::TForm1& form, const std::string& path) {
  form.LoadFile(path);
  Require(form.LastLoad().Ok && form.LastLoad().Warnings.empty(), path + " did not load cleanly");
}

std::unique_ptr<gui::MainWindow> StartDesktopWindow() {
  auto window = std::make_unique<gui::MainWindow>();
  window->show();
  QApplication::processEvents();
  return window;
}

void LoadIntoDesktopWindow(gui::MainWindow& window, const std::string& path) {
  window.LoadFile(path);
  Require(window.Form().LastLoad().Ok && window.Form().LastLoad().Warnings.empty(),
          path + " did not load cleanly");
  QApplication::processEvents();
}

namespace {

// Counts the paint events that reach a widget.
class PaintCounter : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++Count;
    return false;
  }
  int Count = 0;
};

}  // namespace

void PaintEveryPage(gui::MainWindow& window) {
  QTabWidget* pages = window.PageControl();
  for (int i = 0; i < pages->count(); ++i) {
    if (!pages->isTabVisible(i)) continue;
    // A page already on the screen is painted again only where it changed.
    const bool shown = pages->currentIndex() == i;
    pages->setCurrentIndex(i);
    // The page is laid out and painted into the window's backing store as on a screen.
    PaintCounter painted;
    QWidget* page = static_cast<QScrollArea*>(pages->currentWidget())->widget();
    page->installEventFilter(&painted);
    QApplication::processEvents();
    page->removeEventFilter(&painted);
    Require(painted.Count > 0 || shown, "a page was not painted");
  }
}

}  // namespace varnak::bench
