#pragma once

class QLineEdit;

namespace velantra::ui
{

// A box whose text does not fit shows its beginning (the sign and the leading digits) whenever
// it is not being typed into, and has its full text as its tooltip; assistive technology reads
// the full text as its value in any case.
void showBeginningWhenIdle(QLineEdit* box);

} // namespace velantra::ui
