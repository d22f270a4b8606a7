#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// File access for names that someone else may have put something odd at: a
// FIFO or a device instead of a file, or a symbolic link pointing out of the
// folder.
class SafeFile {
public:
    enum class Status {
        Ok,
        Missing,     // nothing at that name (or a dangling link)
        NotRegular,  // a folder, FIFO, socket or device, also behind a link
        TooLarge,    // more bytes than the caller accepts
        Failed,      // there, but cannot be opened or read
    };
    struct ReadResult {
        Status status = Status::Failed;
        QByteArray bytes;  // the whole file when Ok
    };

    // Opens a file for reading when it is a regular file (links followed),
    // without ever blocking: a FIFO or device is refused before any read.
    // The descriptor (close-on-exec) or -1; status says why.
    static int openRegular(const QString& path, Status* status = nullptr);

    // The whole of a regular file of at most maxSize bytes.
    static ReadResult readRegular(const QString& path, qint64 maxSize);

    // Replaces the name with a new file holding bytes: written beside it under
    // a temporary name, synced, then renamed over the name. A symbolic link at
    // the name is replaced itself, never followed. On failure the old file is
    // untouched and no temporary is left.
    static bool replaceWithoutFollowing(const QString& path, const QByteArray& bytes);

    // A new file written in pieces under a temporary name and put in place at
    // commit(): for files that are fetched again rather than read back after
    // a restart (nothing is synced). The old file is removed first and the
    // new one then renamed to the name, so the name never shows a part-written
    // file (for a moment, none). Until commit() (and when dropped without it)
    // the name is untouched and the temporary is removed.
    class Writer {
    public:
        explicit Writer(const QString& path);
        ~Writer();
        Writer(const Writer&) = delete;
        Writer& operator=(const Writer&) = delete;
        bool isOpen() const { return m_fd >= 0; }
        bool write(QByteArrayView bytes);
        // The path, or empty when it could not be put in place.
        QString commit();

    private:
        QString m_path;
        QString m_temporary;
        int m_fd = -1;
    };

    // Removes the temporaries that atomic writes of path left behind when
    // they were killed before their rename: regular files beside it named
    // path + "." + six letters or digits. Meant for the start, before this
    // program writes the file. Returns how many were removed.
    static int removeStaleTemporaries(const QString& path);
};
