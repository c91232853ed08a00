#include "platform/qt_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace quorvane::platform {

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information: return QMessageBox::Information;
        case MessageIcon::Exclamation:
        case MessageIcon::Warning: return QMessageBox::Warning;
        case MessageIcon::Stop: return QMessageBox::Critical;
        case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton ToQtButton(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::Yes: return QMessageBox::Yes;
        case MessageAnswer::No: return QMessageBox::No;
        case MessageAnswer::Cancel: return QMessageBox::Cancel;
        case MessageAnswer::Ok: break;
    }
    return QMessageBox::Ok;
}

}  // namespace

MessageAnswer QtDialogs::ShowMessage(const MessageBox& box) {
    QMessageBox dialog(ToQtIcon(box.icon), QString::fromLocal8Bit(box.title),
                       QString::fromLocal8Bit(box.text));
    // Closing the box by Escape or its close box gives the most careful answer.
    MessageAnswer escapeAnswer = MessageAnswer::Ok;
    if (box.buttons == MessageButtons::YesNo) {
        dialog.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        escapeAnswer = MessageAnswer::No;
    } else if (box.buttons == MessageButtons::YesNoCancel) {
        dialog.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        escapeAnswer = MessageAnswer::Cancel;
    } else {
        dialog.setStandardButtons(QMessageBox::Ok);
    }
    dialog.setEscapeButton(ToQtButton(escapeAnswer));
    dialog.setDefaultButton(ToQtButton(box.defaultAnswer));
    switch (dialog.exec()) {
        case QMessageBox::Yes: return MessageAnswer::Yes;
        case QMessageBox::No: return MessageAnswer::No;
        case QMessageBox::Cancel: return MessageAnswer::Cancel;
        default: return escapeAnswer;
    }
}

QStringList QtFilterList(const std::string& filters) {
    QStringList parts = QString::fromLocal8Bit(filters).split(u'|');
    QStringList list;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        pattern.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        pattern.replace(u';', u' ');
        list << QStringLiteral("%1 (%2)").arg(parts[i], pattern);
    }
    return list;
}

std::string QtDialogs::ChooseFileToOpen(const FileDialog& spec) {
    QFileDialog dialog(nullptr, QString::fromLocal8Bit(spec.title),
                       QString::fromLocal8Bit(spec.proposedPath));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    QStringList filters = QtFilterList(spec.filters);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(spec.selectedFilter, filters.first()));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first().toLocal8Bit().toStdString();
}

}  // namespace quorvane::platform
