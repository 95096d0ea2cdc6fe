#pragma once

class QLabel;
class QWidget;

namespace Brindlewick {

// Dims a widget's text to the secondary colour of its palette (readable on light and dark).
void makeSecondary(QWidget *widget);
// A wrapping plain-text label in the secondary colour, its font scaled by `scale`.
QLabel *secondaryLabel(QWidget *parent, double scale = 1.0);

} // namespace Brindlewick
