#pragma once

class QLineEdit;

namespace marrowick {

// Keeps a text field's grey hint readable on the field's background. Some
// desktops' dark colour schemes leave the light scheme's hint colour in place
// (nearly black on nearly black); the hint then takes the field's text colour,
// half transparent, as Qt's own default does. Followed again whenever the
// desktop's palette changes; a scheme whose hint reads is left alone.
void KeepPlaceholderReadable(QLineEdit* field);

} // namespace marrowick
