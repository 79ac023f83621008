#pragma once

#include "shell/lang/language.h"
#include "shell/window/ShellLook.h"

#include <QRect>

class QLabel;
class QWidget;

namespace cpe {

class CTButtonPicture;

// Pieces the batch dialogs share: a translated label and a skinned button.
QLabel* MakeDialogLabel(const ShellLook& look, const char* key, const QRect& geometry, QWidget* parent);
CTButtonPicture* MakeDialogButton(const ShellLook& look, const char* key, const QRect& geometry,
                                  QWidget* parent);
// The dialog's look: fill, title band and the close button at the top right.
CTButtonPicture* DecorateDialog(const ShellLook& look, const char* titleKey, QWidget* dialog);

} // namespace cpe
