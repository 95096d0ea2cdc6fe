#pragma once

class QLabel;
class QWidget;

namespace Brindlewick {

// Dims a widget's text to the secondary colour of its palette (readable on light and dark).
void makeSecondary(QWidget *widget);
// A wrapping plain-text label, its font scaled by `scale`.
QLabel *wrappingLabel(QWidget *parent, double scale = 1.0);
// The same in the secondary colour.
QLabel *secondaryLabel(QWidget *parent, double scale = 1.0);

} // namespace Brindlewick
