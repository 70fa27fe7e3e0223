#include "ui/qt/encoding_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QSettings>

#include "ui/qt/qt_text.h"

namespace varnak::gui {
namespace {

const QString kSettingsKey = QStringLiteral("TextEncoding");

QString NameOf(ui::TextEncoding encoding) {
  const std::string_view name = ui::TextEncodingName(encoding);
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

EncodingMenu::EncodingMenu(QWidget* parent, std::function<void(ui::TextEncoding)> choose)
    : QMenu(QStringLiteral("Text encoding"), parent) {
  setObjectName(QStringLiteral("TextEncodingMenu"));
  auto* group = new QActionGroup(this);
  group->setExclusive(true);
  for (size_t i = 0; i < ui::kTextEncodings.size(); ++i) {
    const ui::TextEncoding encoding = ui::kTextEncodings[i];
    QAction* entry = addAction(ToQt(ui::TextEncodingCaption(encoding, std::nullopt)));
    entry->setObjectName(QStringLiteral("TextEncoding-") + NameOf(encoding));
    entry->setCheckable(true);
    group->addAction(entry);
    connect(entry, &QAction::triggered, this, [encoding, choose] {
      QSettings().setValue(kSettingsKey, NameOf(encoding));
      choose(encoding);
    });
    entries_[i] = entry;
  }
}

ui::TextEncoding EncodingMenu::Remembered() {
  const std::string name = FromQt(QSettings().value(kSettingsKey).toString());
  return ui::TextEncodingFromName(name).value_or(ui::TextEncoding::Auto);
}

void EncodingMenu::Render(const ui::TForm1& form) {
  for (size_t i = 0; i < entries_.size(); ++i) {
    const ui::TextEncoding encoding = ui::kTextEncodings[i];
    const QString caption = ToQt(form.EncodingCaption(encoding));
    if (entries_[i]->text() != caption) entries_[i]->setText(caption);
    const bool chosen = form.Encoding() == encoding;
    if (entries_[i]->isChecked() != chosen) entries_[i]->setChecked(chosen);
  }
}

}  // namespace varnak::gui
