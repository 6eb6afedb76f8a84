#include "ui/dialogs/number_field.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace kwarrel::ui {

QLineEdit* makeNumberField(int maxDigits, const QString& text, QWidget* parent) {
  auto* field = new QLineEdit(text, parent);
  field->setMaxLength(maxDigits);
  // ASCII digits only: \d would let other scripts' digits through.
  const QRegularExpression digits(QStringLiteral("[0-9]{0,%1}").arg(maxDigits));
  field->setValidator(new QRegularExpressionValidator(digits, field));
  return field;
}

int32_t numberFromField(const QString& text, int32_t previous) {
  if (text.isEmpty()) return previous;
  int32_t value = 0;
  for (const QChar c : text) {
    if (c < u'0' || c > u'9') break;
    // The fields hold four digits at most; the bound only guards against overflow.
    if (value > 99999999) break;
    value = value * 10 + (c.unicode() - u'0');
  }
  return value;
}

}  // namespace kwarrel::ui
