// Short number fields of the dialogs: digits only, a fixed number of characters.
#pragma once

#include <QString>
#include <cstdint>

class QLineEdit;
class QWidget;

namespace kwarrel::ui {

// A line edit that takes at most `maxDigits` characters, all digits, and starts
// with `text`.
QLineEdit* makeNumberField(int maxDigits, const QString& text, QWidget* parent);

// The value of a field's text: its leading digits (0 when there are none), or
// `previous` when the field is empty.
int32_t numberFromField(const QString& text, int32_t previous);

}  // namespace kwarrel::ui
