#pragma once

#include <QString>
#include <functional>

class QMenu;
class QWidget;

namespace cpe {

// English text in, text to show out; the default is the language pack's lookup.
using Translator = std::function<QString(const QString&)>;

// Puts a window and every child under it through the language pack, once per window: a window
// already translated (even when opened again) is left alone. User data stays as it is (edits,
// item views, progress bars, spin boxes, date fields, address fields and any widget with the
// property "cpeKeepText"); combo items are translated in place, keeping the selection; "..." and
// empty texts are left. A translation that comes out empty keeps the English text.
void TranslateWindow(QWidget* window, const Translator& translate = {});

// The same for a menu's items and submenus (separators skipped).
void TranslateMenu(QMenu* menu, const Translator& translate = {});

} // namespace cpe
