// How the layouts stay readable on other themes and fonts than the default
// ones they were drawn for.
#include "gui/Legibility.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <algorithm>
#include <cmath>

#include "core/Contrast.h"
#include "gui/Control_p.h"

namespace fw {
namespace {

// DejaVu Sans 9 pt in logical pixels, which QT_FONT_DPI and QT_SCALE_FACTOR
// leave alone.
constexpr double kDrawnForCharWidth = 6.078125;
constexpr double kDrawnForHeight = 13.96875;
// The window colour of the default light palette. A platform theme changes
// what the style calls its standard palette, so this is not asked of Qt.
constexpr QRgb kDrawnForBackground = 0xEFEFEF;

Color ToColor(const QColor& c) {
  return Color{static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
               static_cast<uint8_t>(c.blue())};
}

}  // namespace

double LayoutScale() {
  QFontMetricsF metrics(QApplication::font());
  double scale =
      std::max(metrics.averageCharWidth() / kDrawnForCharWidth, metrics.height() / kDrawnForHeight);
  // Rounding noise must not move the default layout by a pixel.
  return scale > 1.001 ? scale : 1.0;
}

int Scaled(int32_t length) {
  double scale = LayoutScale();
  return scale == 1.0 ? length : static_cast<int>(std::lround(length * scale));
}

QColor ReadableTextColor(const QWidget& label) {
  const QPalette& palette = label.palette();
  QColor text = palette.color(label.foregroundRole());
  QColor background = palette.color(label.backgroundRole());
  // The layouts chose their colours against the default light palette; there
  // they stay as given.
  if (background.rgb() == (kDrawnForBackground | 0xFF000000u)) {
    return text;
  }
  return ToQColor(ReadableOn(ToColor(text), ToColor(background)));
}

bool IsPressable(const QWidget* widget) {
  return qobject_cast<const QLabel*>(widget) && (widget->focusPolicy() & Qt::TabFocus);
}

bool IsLink(const QWidget* widget) {
  return IsPressable(widget) && widget->font().underline();
}

}  // namespace fw
