#include "app/CViewDialogs.h"

#include "app/WindowTexts.h"
#include "locale/CLocal.h"
#include "qttext/CodePageText.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QStringList>

namespace {
// The forms of the nouns counted in the question about results never saved.
constexpr int kPasses = 440, kMarkedPhrases = 441;

// "Mix- Files (*.mix)|*.mix|All Files (*.*)|*.*||" as Qt's "Mix- Files (*.mix);;All Files (*)".
QString QtFilter(const char* filter)
{
    const QStringList parts = QString::fromLatin1(filter ? filter : "").split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        QString pattern = parts[i + 1];
        pattern.replace("*.*", "*");
        QString desc = parts[i];
        desc.replace("*.*", "*");
        out << (desc.contains('(') ? desc : desc + " (" + pattern + ")");
    }
    return out.join(";;");
}

} // namespace

bool CViewDialogs::AskOpenPath(const char* initialPath, const char* filter, std::string& path)
{
    return AskOpen(PlainCaption(LclText(2, "&Open...")), initialPath, filter, path);
}

bool CViewDialogs::AskOpen(const QString& title, const char* initialPath, const char* filter, std::string& path)
{
    const QString chosen = QFileDialog::getOpenFileName(m_Parent, title, FromPath(initialPath), QtFilter(filter));
    if (chosen.isEmpty())
        return false;
    path = QFile::encodeName(chosen).toStdString();
    return true;
}

bool CViewDialogs::AskSavePath(const char* defaultExt, const char* initialName, const char* filter, std::string& path)
{
    // The results are written under numbered names, which the caller asks about.
    return Ask(*MakeSaveDialog(
                   m_Parent, PlainCaption(LclText(3, "&Save Results As...")), defaultExt, initialName, filter, false),
        path);
}

std::unique_ptr<QFileDialog> CViewDialogs::MakeSaveDialog(QWidget* parent, const QString& title, const char* defaultExt,
    const char* initialName, const char* filter, bool confirmOverwrite)
{
    auto dialog = std::make_unique<QFileDialog>(parent, title);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !confirmOverwrite);
    dialog->setNameFilter(QtFilter(filter));
    dialog->setDefaultSuffix(QString::fromLatin1(defaultExt ? defaultExt : ""));
    dialog->selectFile(FromPath(initialName));
    return dialog;
}

bool CViewDialogs::Ask(QFileDialog& dialog, std::string& path)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    path = QFile::encodeName(dialog.selectedFiles().first()).toStdString();
    return true;
}

bool CViewDialogs::ConfirmOverwrite(const std::vector<std::string>& existing)
{
    QStringList names;
    for (const std::string& e : existing)
        names << QFileInfo(FromPath(e.c_str())).fileName();
    const auto answer = QMessageBox::question(
        m_Parent, ProductTitle(),
        WndText(EWndText::FilesExist) + "\n" + names.join("\n") + "\n\n" + WndText(EWndText::ReplaceThem));
    return answer == QMessageBox::Yes;
}

void CViewDialogs::ShowFileProblem(FileProblem problem, const char* path)
{
    QString text;
    switch (problem) {
    case FileProblem::CannotOpen: text = WndText(EWndText::CannotOpen); break;
    case FileProblem::CannotSave: text = WndText(EWndText::CannotSave); break;
    case FileProblem::PathTooLong: text = WndText(EWndText::PathTooLong); break;
    case FileProblem::NoSpace:
        text = LclText(300, "The results cannot be saved: the disk is full (no file was changed):");
        break;
    case FileProblem::NoPermission:
        text = LclText(301, "The results cannot be saved: writing is not permitted here (no file was changed):");
        break;
    case FileProblem::LinkRefused:
        text = LclText(302,
            "The results cannot be saved: a link stands at this name, and links are not written "
            "through (no file was changed):");
        break;
    }
    QMessageBox::warning(m_Parent, ProductTitle(), text + "\n" + FromPath(path));
}

namespace {
// The question about results never saved comes up while the learner drills: the keys he
// meant for the pass (Space, a letter) press none of its buttons, and Enter is Cancel. A button
// is pressed by the mouse or with Alt and its letter; Escape is Cancel too.
class CUnsavedBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

    // The keys reach the box's own handling also where a button holds the focus.
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::KeyPress && Take(static_cast<QKeyEvent*>(e)))
            return true;
        return QMessageBox::eventFilter(watched, e);
    }

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (!Take(e))
            QMessageBox::keyPressEvent(e);
    }

private:
    // True when the key was dealt with here: Enter presses Cancel, a key without Alt or Ctrl
    // other than Escape presses nothing.
    bool Take(QKeyEvent* e)
    {
        if (e->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier) || e->key() == Qt::Key_Escape)
            return false;
        if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && defaultButton())
            defaultButton()->click();
        e->accept();
        return true;
    }
};
} // namespace

std::unique_ptr<QMessageBox> CViewDialogs::MakeUnsavedBox(QWidget* parent, int passes, int marked)
{
    auto box = std::make_unique<CUnsavedBox>(QMessageBox::Question, ProductTitle(),
                                             LclText(119, "Save the results of this run?")
                                                 .arg(LclCountText(passes, kPasses), LclCountText(marked, kMarkedPhrases)),
                                             QMessageBox::NoButton, parent);
    box->addButton(LclText(120, "&Save..."), QMessageBox::AcceptRole)->setObjectName("Save");
    box->addButton(LclText(121, "&Discard"), QMessageBox::DestructiveRole)->setObjectName("Discard");
    QPushButton* cancel = box->addButton(LclText(122, "Cancel"), QMessageBox::RejectRole);
    cancel->setObjectName("Cancel");
    box->setEscapeButton(cancel);
    box->setDefaultButton(cancel);
    for (QAbstractButton* b : box->buttons()) {
        b->setFocusPolicy(Qt::NoFocus);
        b->installEventFilter(box.get());
    }
    return box;
}

UnsavedAnswer CViewDialogs::AskUnsavedResults(int passes, int marked)
{
    const std::unique_ptr<QMessageBox> box = MakeUnsavedBox(m_Parent, passes, marked);
    box->exec();
    const QAbstractButton* clicked = box->clickedButton();
    const QString name = clicked ? clicked->objectName() : QString();
    // Closed without a button (Escape, the session's end) is Cancel: nothing happens.
    return name == "Save" ? UnsavedAnswer::Save : name == "Discard" ? UnsavedAnswer::Discard : UnsavedAnswer::Cancel;
}

bool CViewDialogs::AskResultsFolder(std::string& folder)
{
    const QString chosen = QFileDialog::getExistingDirectory(m_Parent, LclText(124, "Folder for the results"));
    if (chosen.isEmpty())
        return false;
    folder = QFile::encodeName(chosen).toStdString();
    return true;
}

void CViewDialogs::ShowKeptResults(const char* folder)
{
    QMessageBox::information(m_Parent, ProductTitle(), LclText(123, "The results never saved were kept in:") + "\n" + FromPath(folder));
}

bool CViewDialogs::AskImportSource(const char* initialPath, std::string& path)
{
    return AskOpen(PlainCaption(LclText(190, "&Import...")), initialPath, kImportFilter, path);
}

bool CViewDialogs::AskImportTarget(const char* initialName, std::string& path)
{
    return Ask(*MakeSaveDialog(
                   m_Parent, PlainCaption(LclText(190, "&Import...")), "mix", initialName, kPhraseFileFilter, true),
        path);
}

bool CViewDialogs::AskExportTarget(const char* initialName, std::string& path)
{
    auto dialog =
        MakeSaveDialog(m_Parent, PlainCaption(LclText(578, "&Export...")), "tsv", initialName, kExportFilter, true);
    // A name typed without an extension takes the form of the chosen filter.
    QFileDialog* d = dialog.get();
    QObject::connect(d, &QFileDialog::filterSelected, d, [d](const QString& filter) {
        const int star = filter.indexOf("*.");
        d->setDefaultSuffix(star < 0 ? QString() : filter.mid(star + 2).section(')', 0, 0));
    });
    return Ask(*dialog, path);
}

std::string CViewDialogs::DocumentsFolder()
{
    return QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).toStdString();
}

std::unique_ptr<QMessageBox> CViewDialogs::MakeImportOutcomeBox(QWidget* parent, bool imported, const char* text,
                                                                 const char* path)
{
    return std::make_unique<QMessageBox>(imported ? QMessageBox::Information : QMessageBox::Warning, ProductTitle(),
                                         FromCodePage(text, CLocal::InterfaceCodePage()) + "\n" + FromPath(path),
                                         QMessageBox::Ok, parent);
}

void CViewDialogs::ShowImportOutcome(bool imported, const char* text, const char* path)
{
    MakeImportOutcomeBox(m_Parent, imported, text, path)->exec();
}

void CViewDialogs::ShowMemoryNotice(const char* text)
{
    QMessageBox::warning(m_Parent, ProductTitle(), QString::fromUtf8(text));
}
