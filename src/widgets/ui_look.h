#pragma once
// Colours and fonts of the window. Colour numbers in the game's data are 0x00BBGGRR values.
#include <QColor>
#include <QFont>
#include <QString>

class QAbstractButton;

namespace kvadrix::widgets {

inline const QColor kWindowColour(64, 128, 128);  // 8421440
inline const QColor kLightYellow(255, 255, 128);  // 8454143
inline const QColor kGivenCellColour(0, 0, 0);
inline const QColor kPlayerCellColour(2, 36, 155);
inline const QColor kBoxYellow(255, 255, 128);
inline const QColor kBoxGreen(0, 202, 0);

inline const QString kUiFontFamily = QStringLiteral("MS Sans Serif");

// Heights are pixel sizes, so the grid keeps its proportions on any screen.
QFont UiFont(int pixel_size, bool bold = false);

// The family the window asks for does not exist on Linux; Liberation Sans has digits about as
// wide, so a 33-pixel digit still fits its 18-pixel label.
void InstallFontSubstitution();

// The window's one style sheet, on the tab control and so over its three pages: the tabs and
// their pane, the small buttons, the password masks and the group boxes' frames and captions.
// One sheet rather than one per control keeps the style work for each control small.
QString PagesStyleSheet();

// Text colour of a widget's labels and captions.
void SetTextColour(class QWidget* widget, const QColor& colour);
// A check box's or radio button's caption only: its tick or dot keeps the desktop's text colour
// against the desktop's box colour, which stand out from each other on light and dark desktops.
void SetCaptionColour(QAbstractButton* button, const QColor& colour);

}  // namespace kvadrix::widgets
