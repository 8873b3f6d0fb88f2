#include "tests/ui/support/ProgramRun.h"

#include "foundation/basIniFileControl.h"
#include "foundation/basTextResources.h"
#include "foundation/basUnitSystem.h"
#include "model/basAxisData.h"
#include "model/basWindowStatus.h"
#include "platform/core/Locale.h"
#include "platform/qt/OutlineTree.h"
#include "shell/Main.h"
#include "shell/basWindowSlots.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

namespace testing_support {

int16_t RecordingMessageDisplay::ShowMessage(const MessageComposition& message)
{
    messages.push_back(message);
    const QCursor* cursor = QApplication::overrideCursor();
    busyWhenShown.push_back(cursor && cursor->shape() == Qt::WaitCursor);
    if (answers.empty())
        return message.closeResult;
    const int16_t answer = answers.front();
    answers.pop_front();
    return answer;
}

void RecordingMessageDisplay::ShowCriticalBox(const std::string& title, const std::string& body)
{
    criticalBoxes.push_back({title, body});
}

std::vector<int> MessageNumbers(const RecordingMessageDisplay& display)
{
    std::vector<int> numbers;
    for (const MessageComposition& message : display.messages) {
        const QString caption = QString::fromStdString(message.caption);
        numbers.push_back(caption.section(' ', -1).toInt());
    }
    return numbers;
}

ProgramRun::ProgramRun()
{
    // Every run starts from the program's initial state.
    gnLanguageOffset = 0;
    gnUnitSystem = 0;
    gsDecimalSeparator.clear();
    // The program takes its decimal mark from the user's locale; a run has
    // the point whatever the machine's locale is, and a test of the comma
    // sets it itself.
    platform::OverrideUserDecimalSeparator(".");
    SubResetAllAxes();
    SubClearWindowStatus();
    SetProgramEndHandler([this](int status) { endStatus_ = status; });
}

ProgramRun::~ProgramRun()
{
    if (main_) {
        QPointer<MDIMain> window = main_;
        delete window.data();
    }
    QApplication::processEvents();
    platform::InstallMessageDisplay(nullptr);
    SetProgramEndHandler([](int status) { QCoreApplication::exit(status); });
    platform::OverrideUserDecimalSeparator(std::nullopt);
    SubResetAllAxes();
    SubClearWindowStatus();
}

void ProgramRun::WriteSettings(const std::string& text)
{
    std::ofstream(folder_.file(kIniFileName)) << text;
}

bool ProgramRun::Start()
{
    // Presses OK on the start-up screen as soon as the wait has begun.
    QTimer::singleShot(0, [] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == "frmStartup")
                if (auto* ok = widget->findChild<QPushButton*>("cmdOkay"))
                    ok->click();
    });
    ::Main(folder_.path());
    main_ = MainWindow();
    if (!main_)
        return false;
    main_->setAttribute(Qt::WA_DeleteOnClose, false);
    platform::InstallMessageDisplay(&display_);
    main_->SetFileDialogRunner([this](const FileDialogSetup& setup) {
        fileDialogs.push_back(setup);
        if (fileAnswers.empty())
            return setup.fileName;
        std::string answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    });
    for (int i = 0; i < 5000 && main_->FirstActivationPending() && endStatus_ < 0; ++i)
        QTest::qWait(1);
    return !main_->FirstActivationPending() || endStatus_ >= 0;
}

QAction* ProgramRun::Action(const QString& name) const
{
    return main_ ? main_->findChild<QAction*>(name) : nullptr;
}

void ProgramRun::Trigger(const QString& name) const
{
    if (QAction* action = Action(name))
        action->trigger();
}

QStringList ProgramRun::TreeLines() const
{
    QStringList lines;
    platform::OutlineTree* tree = main_->OutTree();
    for (int i = 0; i < tree->LineCount(); ++i)
        lines << QStringLiteral("%1:%2").arg(tree->Indent(i)).arg(tree->LineText(i));
    return lines;
}

QStringList ProgramRun::ChildCaptions() const
{
    QStringList captions;
    for (QMdiSubWindow* window : main_->MdiArea()->subWindowList(QMdiArea::CreationOrder))
        captions << window->windowTitle();
    return captions;
}

bool ProgramRun::CloseByUser()
{
    QPointer<MDIMain> window = main_;
    const bool closed = main_->close();
    QApplication::processEvents();
    return closed && window;
}

bool ClickToolButton(QWidget* window, const char* key)
{
    QAction* tool = window->findChild<QAction*>(key);
    auto* toolbar = tool ? qobject_cast<QToolBar*>(tool->parent()) : nullptr;
    QWidget* button = toolbar ? toolbar->widgetForAction(tool) : nullptr;
    if (!button || !button->isVisible())
        return false;
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

} // namespace testing_support
