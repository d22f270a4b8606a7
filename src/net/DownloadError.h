#pragma once

#include <QString>
#include <exception>

// The error a download raises: a number, the routine it came from and a text
// for people, like the error objects the rest of the program reports.
class DownloadError : public std::exception {
public:
    DownloadError(int number, QString source, QString description)
        : m_number(number),
          m_source(std::move(source)),
          m_description(std::move(description)),
          m_what(m_description.toUtf8()) {}

    int number() const { return m_number; }
    const QString& source() const { return m_source; }
    const QString& description() const { return m_description; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    int m_number;
    QString m_source;
    QString m_description;
    QByteArray m_what;
};
