#pragma once
// Colours are written as 0xBBGGRR values; kButtonTextColor stands for the
// palette's button text colour rather than a fixed one.

#include <QColor>
#include <QWidget>

namespace ui {

inline constexpr quint32 kButtonTextColor = 0x80000012;

QColor to_qcolor(quint32 bbggrr);
// The 0xBBGGRR value of a plain colour.
quint32 to_bbggrr(const QColor& color);

// Sets the colour of a control's text (labels, check boxes, frame captions).
void set_fore_color(QWidget* widget, quint32 bbggrr);
// The 0xBBGGRR value of the colour the control draws its text in.
quint32 fore_color(const QWidget* widget);

// The pale tint of a window showing a closed period, so it is never taken
// for the live book.
void tint_as_past_period(QWidget* window);

} // namespace ui
