#include "app/commands/MergeData.h"

#include "app/pageview/CFolioView.h"
#include "app/shell/CFolioDoc.h"
#include "document/FolioSession.h"
#include "merge/MergeRun.h"
#include "merge/MergeSettings.h"
#include "merge/MergeTemplate.h"
#include "merge/ProblemObjects.h"
#include "model/ObjectList.h"
#include "printer/SerialSettings.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QSpinBox>
#include <QStyle>
#include <QToolBar>

#include <algorithm>
#include <ctime>
#include <iterator>

namespace quillset {

namespace {

// One settings key per document path; the path itself may hold slashes.
QString settingsKey(const QString& group, const QString& documentPath) {
    return group + QLatin1Char('/') +
           QString::fromLatin1(documentPath.toUtf8().toBase64(QByteArray::Base64UrlEncoding));
}

const QString kDataGroup = QStringLiteral("MergeData");
const QString kPrintGroup = QStringLiteral("PrintRecords");

QString flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// All, first, last, start, step, go on, next (empty: no print yet); since
// the resume, the label to resume from (empty: none), its counter and data.
QStringList printChoiceList(const BatchPrintChoice& choice) {
    return {flag(choice.allRecords),
            QString::number(choice.firstRecord),
            QString::number(choice.lastRecord),
            QString::number(choice.counterStart),
            QString::number(choice.counterStep),
            flag(choice.goOn),
            choice.nextCounter ? QString::number(*choice.nextCounter) : QString(),
            choice.resumeLabel ? QString::number(*choice.resumeLabel) : QString(),
            QString::number(choice.resumeCounter),
            choice.resumeData};
}

BatchPrintChoice printChoiceOf(const QStringList& list) {
    BatchPrintChoice choice;
    if (list.size() != 7 && list.size() != 10)
        return choice;
    choice.allRecords = list[0] == QLatin1String("1");
    choice.firstRecord = std::max(list[1].toInt(), 1);
    choice.lastRecord = std::max(list[2].toInt(), 1);
    choice.counterStart = list[3].toInt();
    choice.counterStep = list[4].toInt();
    choice.goOn = list[5] == QLatin1String("1");
    bool number = false;
    const long long next = list[6].toLongLong(&number);
    if (number)
        choice.nextCounter = next;
    if (list.size() == 10) {
        const long long resume = list[7].toLongLong(&number);
        if (number && resume > 1)
            choice.resumeLabel = resume;
        choice.resumeCounter = list[8].toInt();
        choice.resumeData = list[9];
    }
    return choice;
}

QSettings settingsStore() {
    return QSettings(kSettingsOrganisation, kSettingsApplication);
}

} // namespace

MergeData::MergeData(CFolioDoc& document, CFolioView& view, QObject* parent)
    : QObject(parent)
    , document_(document)
    , view_(view) {
    const auto makeAction = [this](QStyle::StandardPixmap icon, const QString& text, auto target) {
        auto* action = new QAction(QApplication::style()->standardIcon(icon), text, this);
        action->setToolTip(text);
        action->setStatusTip(QStringLiteral("Show the %1 in the page view").arg(text.toLower()));
        connect(action, &QAction::triggered, this, [this, target] { showRecord(target()); });
        return action;
    };
    first_ =
        makeAction(QStyle::SP_MediaSkipBackward, QStringLiteral("First Record"), [] { return 1; });
    previous_ = makeAction(QStyle::SP_MediaSeekBackward, QStringLiteral("Previous Record"),
                           [this] { return record_ - 1; });
    next_ = makeAction(QStyle::SP_MediaSeekForward, QStringLiteral("Next Record"),
                       [this] { return record_ + 1; });
    last_ = makeAction(QStyle::SP_MediaSkipForward, QStringLiteral("Last Record"),
                       [this] { return records_; });
    const auto makeProblemAction = [this](const QString& text, const QString& shortText,
                                          void (MergeData::*go)()) {
        auto* action = new QAction(text, this);
        action->setIconText(shortText);
        action->setToolTip(text);
        action->setStatusTip(QStringLiteral("Show the %1 record with a problem")
                                 .arg(text.startsWith(QLatin1String("Next"))
                                          ? QStringLiteral("next")
                                          : QStringLiteral("previous")));
        connect(action, &QAction::triggered, this, go);
        return action;
    };
    previousProblem_ =
        makeProblemAction(QStringLiteral("Previous Problem"), QStringLiteral("\u2039 Problem"),
                          &MergeData::showPreviousProblem);
    nextProblem_ = makeProblemAction(QStringLiteral("Next Problem"),
                                     QStringLiteral("Problem \u203A"), &MergeData::showNextProblem);
    connect(&document, &CFolioDoc::changed, this, &MergeData::documentChanged);
}

MergeData::~MergeData() = default;

void MergeData::addTo(QToolBar& toolBar) {
    bar_ = &toolBar;
    for (QAction* action : {first_, previous_})
        toolBar.addAction(action);
    label_ = new QLabel(&toolBar);
    label_->setObjectName(QStringLiteral("record"));
    label_->setAccessibleDescription(QStringLiteral("Record"));
    label_->setContentsMargins(6, 0, 6, 0);
    labelAction_ = toolBar.addWidget(label_);
    labelAction_->setToolTip(label_->accessibleDescription());
    for (QAction* action : {next_, last_})
        toolBar.addAction(action);
    number_ = new QSpinBox(&toolBar);
    number_->setAccessibleName(QStringLiteral("Go to record"));
    number_->setToolTip(QStringLiteral("Type a record's number and press Enter"));
    number_->setButtonSymbols(QAbstractSpinBox::NoButtons);
    number_->setKeyboardTracking(false);
    number_->setMinimumWidth(number_->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    // No taller than the buttons: the toolbar keeps its height with data.
    number_->setMaximumHeight(toolBar.widgetForAction(first_)->sizeHint().height());
    connect(number_, &QSpinBox::valueChanged, this, &MergeData::showRecord);
    numberAction_ = toolBar.addWidget(number_);
    numberAction_->setToolTip(number_->accessibleName());
    for (QAction* action : {previousProblem_, nextProblem_})
        toolBar.addAction(action);
    problem_ = new QLabel(&toolBar);
    problem_->setObjectName(QStringLiteral("recordProblem"));
    problem_->setAccessibleName(QStringLiteral("Record's problem"));
    problem_->setContentsMargins(6, 0, 6, 0);
    problem_->setStyleSheet(QStringLiteral("color: ") + CFolioView::kProblemColour.name());
    problemAction_ = toolBar.addWidget(problem_);
    problemAction_->setToolTip(problem_->accessibleName());
    for (QAction* action : {first_, previous_, next_, last_, previousProblem_, nextProblem_})
        toolBar.widgetForAction(action)->setAccessibleName(action->toolTip());
    updateBar();
}

void MergeData::choose(QWidget* parent) {
    CMergeDataDlg dialog(choice_, parent);
    if (dialog.exec() == QDialog::Accepted)
        setChoice(dialog.choice());
}

void MergeData::setChoice(const MergeDataChoice& choice) {
    choice_ = choice;
    remember();
    reload();
}

void MergeData::setReplaceMissing(bool replace) {
    if (choice_.replaceMissing == replace)
        return;
    choice_.replaceMissing = replace;
    remember();
    refreshPage();
}

void MergeData::setPrintChoice(const BatchPrintChoice& choice) {
    printChoice_ = choice;
    remember();
}

MergeSettings MergeData::settings() const {
    MergeSettings settings;
    settings.dataPath = QFile::encodeName(choice_.path).toStdString();
    settings.csv = choice_.csv;
    settings.replaceMissing = choice_.replaceMissing;
    settings.now = std::time(nullptr);
    return settings;
}

bool MergeData::merges() const {
    return !choice_.path.isEmpty() || MergeTemplate(document_.session().script()).fills();
}

// An opened document brings its own choice; a document saved under a new
// name takes this one there.
void MergeData::documentChanged(CFolioDoc::Changes what) {
    if (what & CFolioDoc::Change::Opened) {
        documentOpened();
        return;
    }
    if (what & CFolioDoc::Change::Title)
        remember();
    if (what & CFolioDoc::Change::List)
        checkRecords();
    if (what & CFolioDoc::Change::Page)
        refreshPage();
}

void MergeData::documentOpened() {
    choice_ = {};
    printChoice_ = {};
    const QString path = document_.pathName();
    if (!path.isEmpty()) {
        const QSettings store = settingsStore();
        // Path, header, delimiter and, since the nearest characters, whether
        // they print.
        const QStringList stored = store.value(settingsKey(kDataGroup, path)).toStringList();
        if (stored.size() == 3 || stored.size() == 4) {
            choice_.path = stored[0];
            choice_.csv.header = stored[1] == QLatin1String("1");
            choice_.csv.delimiter = static_cast<char>(stored[2].toInt());
            choice_.replaceMissing = stored.size() == 4 && stored[3] == QLatin1String("1");
        }
        printChoice_ = printChoiceOf(store.value(settingsKey(kPrintGroup, path)).toStringList());
    }
    reload();
}

void MergeData::remember() const {
    const QString path = document_.pathName();
    if (path.isEmpty())
        return;
    QSettings store = settingsStore();
    const QString key = settingsKey(kDataGroup, path);
    if (choice_.path.isEmpty())
        store.remove(key);
    else
        store.setValue(key, QStringList{choice_.path, flag(choice_.csv.header),
                                        QString::number(choice_.csv.delimiter),
                                        flag(choice_.replaceMissing)});
    const QString printKey = settingsKey(kPrintGroup, path);
    if (printChoice_ == BatchPrintChoice())
        store.remove(printKey);
    else
        store.setValue(printKey, printChoiceList(printChoice_));
}

void MergeData::reload() {
    checkRecords();
    record_ = records_ > 0 ? 1 : 0;
    refreshPage();
}

void MergeData::checkRecords() {
    records_ = 0;
    bad_.clear();
    problems_.clear();
    if (!choice_.path.isEmpty()) {
        // A file of a million rows takes a moment to check.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const MergeCheck check = checkMerge(document_.session(), settings());
        records_ = check.records;
        bad_ = check.badRecords();
        std::copy_if(check.problems.begin(), check.problems.end(), std::back_inserter(problems_),
                     [](const MergeProblem& problem) { return problem.record > 0; });
        std::stable_sort(
            problems_.begin(), problems_.end(),
            [](const MergeProblem& a, const MergeProblem& b) { return a.record < b.record; });
        QApplication::restoreOverrideCursor();
    }
    if (record_ > records_)
        record_ = records_;
    updateBar();
    emit recordsChecked();
}

void MergeData::showRecord(int number) {
    if (records_ == 0 || std::clamp(number, 1, records_) == record_)
        return;
    record_ = std::clamp(number, 1, records_);
    refreshPage();
}

std::vector<MergeProblem> MergeData::problemsOf(int number) const {
    const auto [from, to] = std::equal_range(
        problems_.begin(), problems_.end(), MergeProblem{number, {}, {}, {}},
        [](const MergeProblem& a, const MergeProblem& b) { return a.record < b.record; });
    return {from, to};
}

void MergeData::showNextProblem() {
    const auto after = std::upper_bound(bad_.begin(), bad_.end(), record_);
    if (after != bad_.end())
        showRecord(*after);
}

void MergeData::showPreviousProblem() {
    const auto at = std::lower_bound(bad_.begin(), bad_.end(), record_);
    if (at != bad_.begin())
        showRecord(*std::prev(at));
}

void MergeData::refreshPage() {
    std::unique_ptr<MergeRun> run;
    if (record_ > 0) {
        MergeSettings settings = this->settings();
        settings.firstRecord = settings.lastRecord = record_;
        run = std::make_unique<MergeRun>(document_.session(), settings);
        if (!run->next())
            run.reset();
    }
    shown_ = std::move(run);
    view_.setShownPage(shown_ ? &shown_->page().raster() : nullptr);
    updateBar();
    emit recordShown(record_);
}

void MergeData::updateBar() {
    if (!label_)
        return;
    const bool data = !choice_.path.isEmpty();
    // The bar is there only while there is data to step through.
    bar_->setVisible(data);
    for (QAction* action : {first_, previous_, next_, last_, labelAction_, numberAction_,
                            previousProblem_, nextProblem_})
        action->setVisible(data);
    QString text = records_ > 0 ? QStringLiteral("Record %1 of %2").arg(record_).arg(records_)
                                : QStringLiteral("No records");
    if (!bad_.empty())
        text +=
            QStringLiteral(", %1 with %2")
                .arg(bad_.size())
                .arg(bad_.size() == 1 ? QStringLiteral("a problem") : QStringLiteral("problems"));
    label_->setText(text);
    // Screen readers read the whole count, as shown.
    label_->setAccessibleName(text);
    first_->setEnabled(record_ > 1);
    previous_->setEnabled(record_ > 1);
    next_->setEnabled(record_ < records_);
    last_->setEnabled(record_ < records_);
    previousProblem_->setEnabled(!bad_.empty() && bad_.front() < record_);
    nextProblem_->setEnabled(!bad_.empty() && bad_.back() > record_);
    updateProblem();
    const QSignalBlocker quiet(number_);
    number_->setRange(records_ > 0 ? 1 : 0, records_);
    number_->setValue(record_);
}

// The first reason in the bar, as much as fits; all of them, with where each
// is in the data file, in the tooltip and for screen readers.
void MergeData::updateProblem() {
    const std::vector<MergeProblem> problems =
        record_ > 0 ? problemsOf(record_) : std::vector<MergeProblem>();
    problemAction_->setVisible(!choice_.path.isEmpty() && !problems.empty());
    outlineProblems(problems);
    if (problems.empty()) {
        problem_->clear();
        problem_->setToolTip({});
        problem_->setAccessibleDescription({});
        return;
    }
    // The count of the others stays when the first reason is cut short.
    const QString more =
        problems.size() > 1 ? QStringLiteral(" (and %1 more)").arg(problems.size() - 1) : QString();
    const QFontMetrics metrics = problem_->fontMetrics();
    problem_->setText(QStringLiteral("\u26A0 ") +
                      metrics.elidedText(QString::fromStdString(problems.front().reason),
                                         Qt::ElideRight,
                                         kProblemWidth - metrics.horizontalAdvance(more)) +
                      more);
    QStringList texts;
    for (const MergeProblem& problem : problems)
        texts << QString::fromStdString(problem.text());
    problem_->setToolTip(texts.join(QLatin1Char('\n')));
    problem_->setAccessibleDescription(texts.join(QLatin1Char('\n')));
}

// The objects of the shown record's page that its problems come from, framed
// in the page view; an object told by several problems gives them all.
void MergeData::outlineProblems(const std::vector<MergeProblem>& problems) {
    std::vector<CFolioView::ProblemOutline> outlines;
    if (shown_ && !choice_.path.isEmpty()) {
        const FolioSession& page = shown_->page();
        std::vector<int> objects;
        for (const MergeProblem& problem : problems) {
            const QString reason = QString::fromStdString(problem.reason);
            for (const int index : problemObjects({problem}, page.script(), page.objects())) {
                const auto at = std::find(objects.begin(), objects.end(), index);
                if (at != objects.end()) {
                    QString& told = outlines[static_cast<std::size_t>(at - objects.begin())].reason;
                    if (!told.split(QLatin1Char('\n')).contains(reason))
                        told += QLatin1Char('\n') + reason;
                    continue;
                }
                const PageObject& o = page.objects()[index];
                objects.push_back(index);
                outlines.push_back({Rect{o.left, o.top, o.right, o.bottom}, reason});
            }
        }
    }
    view_.setProblemOutlines(std::move(outlines));
}

} // namespace quillset
