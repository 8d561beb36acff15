#pragma once
// Sizes and colours that stay legible whatever the desktop's font and theme.
#include <QColor>
#include <cstdint>

#include "core/PropertyBlob.h"

class QWidget;

namespace fw {

inline QColor ToQColor(Color c) {
  return QColor(c.red, c.green, c.blue);
}

// The layouts were drawn for the default font (DejaVu Sans 9 pt). A larger
// application font makes positions, sizes and fixed text sizes grow by the
// same factor, as dialog units do; a smaller one shrinks nothing.
double LayoutScale();
int Scaled(int32_t length);
// The colour a label draws its text in: the one its layout gives where that
// reads on the background in use, else the same hue made readable.
QColor ReadableTextColor(const QWidget& label);
// Labels that a click acts on: the keyboard reaches them after the window's
// other controls, and one that is underlined is a link.
bool IsPressable(const QWidget* widget);
bool IsLink(const QWidget* widget);

}  // namespace fw
