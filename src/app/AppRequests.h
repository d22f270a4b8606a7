#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

// The application's requests: what other programs and later starts ask of
// the running program (the D-Bus methods, the request a second start hands
// over, the command line's own). They can come from the first moment on,
// while the start-up screen still loads; until the views are attached they
// wait, in order, and go out as this object's signals once they are. The
// views (the window, its popup) connect to the signals; none of them is
// known here. A program that ends without views refuses what waited.
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

    // The views are connected and loaded: what waited goes out now.
    void attach();
    // The views are going (the window unloads): later translations are
    // refused as the program closes.
    void detach();
    // No views will come: what waited is refused (translations get why).
    void abandon(const QString& why);

    bool isWaiting() const;

signals:
    // done must be called once, with the translation or the reason.
    void translateRequested(const QString& text, const AppRequests::Reply& done);
    void translateAutoRequested(const QString& text, const QString& target,
                                const AppRequests::Reply& done);
    void translateSelectionRequested();
    void translateClipboardRequested();
    void translateScreenAreaRequested();
    void showRequested();
    void quitRequested();

private:
    struct Waiting {
        std::function<void()> run;
        std::function<void(const QString&)> refuse;  // may be empty
    };
    void whenAttached(std::function<void()> run,
                      std::function<void(const QString&)> refuse = nullptr);

    bool m_attached = false;
    bool m_detached = false;
    std::vector<Waiting> m_waiting;
    bool m_abandoned = false;
    QString m_why;
};
