// The settings file reader and writer.
// Input: file bytes NUL value name NUL value text.
#include <QString>

#include "FuzzInput.h"
#include "config/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QList<QByteArray> f = fuzz::fields(fuzz::bytes(data, size), 3);
    const QString header = QStringLiteral("[Software\\Velmor\\Rorererizu\\3]");
    const QString name = QString::fromUtf8(f[1]);
    const QString text = QString::fromUtf8(f[2]);

    IniFile file = IniFile::parse(f[0]);
    // A rewrite keeps what the file says: the same value under the same name,
    // and the same bytes when written once more.
    const QByteArray once = file.serialize(header);
    const IniFile reread = IniFile::parse(once);
    fuzz::require(reread.value(name) == file.value(name));
    fuzz::require(reread.serialize(header) == once);

    // A value stored is the value read back, whatever its characters.
    file.setValue(name, text);
    fuzz::require(IniFile::parse(file.serialize(header)).value(name) == text);
    return 0;
}
