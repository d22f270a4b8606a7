#pragma once

#include <QString>
#include <QStringList>

#include "platform/IGlobalShortcut.h"

// Records the keys the program asks for; press() stands for the user
// pressing the held key, and refusing makes the next setKey fail as a key
// another program holds (or, with available false, as a desktop that holds
// no keys).
class FakeGlobalShortcut : public IGlobalShortcut {
public:
    bool isAvailable() const override { return available; }
    void setKey(const QString& key, PressedHandler onPressed, RefusedHandler onRefused) override {
        asked.append(key);
        m_pressed = nullptr;
        m_key.clear();
        if (key.isEmpty()) return;
        if (refusing) {
            if (onRefused) onRefused(QStringLiteral("Taken: ") + key + QLatin1Char('.'));
            return;
        }
        m_key = key;
        m_pressed = std::move(onPressed);
    }
    QString key() const override { return m_key; }
    bool press() {
        if (!m_pressed) return false;
        m_pressed();
        return true;
    }

    QStringList asked;
    bool refusing = false;
    bool available = true;

private:
    QString m_key;
    PressedHandler m_pressed;
};
