#include "ui/shell/control_texts.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QTreeWidget>

#include "core/fa_global_var.h"
#include "ui/shell/image.h"
#include "ui/shell/owned_controls.h"

namespace {

void LoadColumnTitles(QTreeWidget& list, const QString& section) {
  QTreeWidgetItem* header = list.headerItem();
  for (int column = 0; column < list.columnCount(); ++column) {
    const QString key = list.objectName() + QStringLiteral("_Col") + QString::number(column);
    header->setText(column, StringText(section, key, header->text(column)));
  }
}

}  // namespace

QString StringText(const QString& section, const QString& key, const QString& designText) {
  const std::string text =
      FAGlobal().TextRead(section.toLocal8Bit().toStdString(), key.toLocal8Bit().toStdString(), "");
  return text.empty() ? designText : QString::fromLocal8Bit(text);
}

QString FillInText(const QString& format, const QString& value) {
  QString out;
  for (qsizetype i = 0; i < format.size(); ++i) {
    if (format[i] == QLatin1Char('%') && i + 1 < format.size()) {
      const QChar next = format[i + 1];
      if (next == QLatin1Char('s')) {
        out += value;
        ++i;
        continue;
      }
      if (next == QLatin1Char('%')) {
        out += next;
        ++i;
        continue;
      }
    }
    out += format[i];
  }
  return out;
}

void LoadControlTexts(const QWidget& owner, const QString& section, TextKinds kinds) {
  for (QWidget* control : OwnedControls(owner)) {
    const QString name = control->objectName();
    // Pictures are labels to Qt, but have no text to translate.
    if (name.isEmpty() || qobject_cast<TImage*>(control) != nullptr) continue;
    if (auto* label = qobject_cast<QLabel*>(control)) {
      label->setText(StringText(section, name, label->text()));
      continue;
    }
    if (kinds == TextKinds::kLabels) continue;
    if (auto* check = qobject_cast<QCheckBox*>(control)) {
      check->setText(StringText(section, name, check->text()));
    } else if (auto* panel = qobject_cast<QGroupBox*>(control)) {
      panel->setTitle(StringText(section, name, panel->title()));
    } else if (auto* list = qobject_cast<QTreeWidget*>(control)) {
      LoadColumnTitles(*list, section);
    }
  }
}

void SetAccessibleNameFromStrings(QWidget& control, const QString& section,
                                  const QString& faceWord) {
  const QString name = StringText(section, control.objectName(), faceWord);
  control.setAccessibleName(name);
  control.setToolTip(name);
}

int LabelTextWidth(const QLabel& label) {
  int flags = static_cast<int>(label.alignment());
  if (label.buddy() != nullptr) flags |= Qt::TextShowMnemonic;
  // A wrapping label breaks its text at its own width.
  QRect area(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  if (label.wordWrap()) {
    flags |= Qt::TextWordWrap;
    area.setWidth(label.width());
  }
  return label.fontMetrics().boundingRect(area, flags, label.text()).width();
}

QString DisplayText(int index) { return QString::fromLocal8Bit(FAGlobal().DisplayString(index)); }
