#pragma once

#include "platform/IDialogs.h"

class QtDialogs : public IDialogs {
public:
    Result messageBox(const QString& text, const QString& title, Icon icon,
                      Buttons buttons) override;
    Result detailedMessageBox(const QString& text, const QString& title, Icon icon, Buttons buttons,
                              const QString& details) override;
    QString saveFileName(const QString& title, const QString& suggested,
                         const QString& filter) override;
};
