#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

class frmTranslate;

// What other programs and later starts ask of the running program: the
// D-Bus methods, and the request a second start hands over. They can come
// from the first moment on, while the start-up screen still loads; until
// the main window is loaded they wait, in order, and run when it is there.
// A program that ends without a window refuses what waited.
class AppRequests : public QObject {
    Q_OBJECT
public:
    using Reply = std::function<void(bool ok, const QString& text)>;

    explicit AppRequests(QObject* parent = nullptr);
    ~AppRequests() override;

    // The window's engine and pair; done gets the translation, or false and
    // the reason.
    void translate(const QString& text, const Reply& done);
    // The same with the pair the text's language picks (TranslateAnywhere).
    void translateAuto(const QString& text, const QString& target, const Reply& done);
    void translateSelection();
    void translateClipboard();
    // The user picks an area of the screen; its text is read and translated.
    void translateScreenArea();
    // Shows the window, also out of the tray.
    void show();
    // Ends the program, as File > Exit does.
    void quit();

    // The window is loaded: what waited runs now.
    void setWindow(frmTranslate* window);
    // No window will come: what waited is refused (translations get why).
    void abandon(const QString& why);

    bool isWaiting() const;

private:
    struct Waiting {
        std::function<void(frmTranslate&)> run;
        std::function<void(const QString&)> refuse;  // may be empty
    };
    void whenLoaded(std::function<void(frmTranslate&)> run,
                    std::function<void(const QString&)> refuse = nullptr);

    QPointer<frmTranslate> m_window;
    std::vector<Waiting> m_waiting;
    bool m_abandoned = false;
    QString m_why;
};
