#include "ui/ShortcutDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

ShortcutDialog::ShortcutDialog(const QString& key, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSelectionShortcut"));
    setWindowTitle(tr("Selection Shortcut"));
    auto* explanation = m_explanation = new QLabel(
        tr("Select text in any application and press this key to read its translation "
           "in a small window. Press the new key here, or clear it to turn the shortcut off."),
        this);
    explanation->setWordWrap(true);
    keySelectionShortcut =
        new QKeySequenceEdit(QKeySequence::fromString(key, QKeySequence::PortableText), this);
    keySelectionShortcut->setObjectName(QStringLiteral("keySelectionShortcut"));
    keySelectionShortcut->setAccessibleName(tr("Selection shortcut"));
    keySelectionShortcut->setAccessibleDescription(explanation->text());
    // The keys go to the edit's own line, which is what a screen reader
    // lands on: it carries the same name.
    if (auto* line = keySelectionShortcut->findChild<QLineEdit*>()) {
        line->setAccessibleName(keySelectionShortcut->accessibleName());
        line->setAccessibleDescription(explanation->text());
    }
    cmdClear = new QPushButton(tr("C&lear"), this);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    cmdClear->setAutoDefault(false);
    cmdClear->setAccessibleDescription(tr("Turns the shortcut off"));
    connect(cmdClear, &QPushButton::clicked, keySelectionShortcut, &QKeySequenceEdit::clear);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(keySelectionShortcut, 1);
    row->addWidget(cmdClear);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

QString ShortcutDialog::key() const {
    const QKeySequence sequence = keySelectionShortcut->keySequence();
    if (sequence.isEmpty()) return QString();
    return QKeySequence(sequence[0]).toString(QKeySequence::PortableText);
}

void ShortcutDialog::describeScreenArea() {
    setObjectName(QStringLiteral("frmScreenAreaShortcut"));
    setWindowTitle(tr("Screen Area Shortcut"));
    m_explanation->setText(
        tr("Press this key in any application, then drag over an area of the screen to read "
           "its text and its translation in a small window. Press the new key here, or clear "
           "it to turn the shortcut off."));
    keySelectionShortcut->setAccessibleName(tr("Screen area shortcut"));
}
