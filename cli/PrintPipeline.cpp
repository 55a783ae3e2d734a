#include "cli/PrintPipeline.h"

#include "cli/DocumentIo.h"
#include "cli/MergeArguments.h"
#include "cli/StderrReporter.h"
#include "document/FolioSession.h"
#include "document/PrinterBytes.h"
#include "document/ScriptPrinterReach.h"
#include "language/LanguageOptions.h"
#include "merge/LabelBatch.h"
#include "merge/MergeTemplate.h"

#include <algorithm>
#include <climits>
#include <iostream>

namespace quillset::cli {

namespace {

void tellOfReplacing(const MergeCheck& check) {
    if (check.nearAvailable)
        std::cerr << "--replace-missing prints the nearest character the printer has for one it "
                     "lacks.\n";
}

// Tells the check on `out` and why it stops the batch on standard error;
// whether the batch goes on.
bool acceptCheck(const Invocation& invocation, LabelBatch& batch, std::ostream& out) {
    const MergeCheck& check = batch.check();
    for (const MergeProblem& problem : check.problems)
        out << problem.text() << '\n';
    for (const std::string& note : check.notes)
        out << "Note: " << note << '\n';
    if (check.records == 0 && !check.unreadable) {
        std::cerr << "No record to print: the data file holds no record in the range chosen.\n";
        return false;
    }
    const bool goesOn = batch.accept(invocation.has("--skip-bad"));
    if (check.problems.empty())
        return goesOn;
    const std::size_t bad = check.badRecords().size();
    if (goesOn) {
        std::cerr << bad << " of " << check.records << " records left out for their problems.\n";
    } else {
        std::cerr << check.problems.size()
                  << (check.problems.size() == 1 ? " problem" : " problems");
        if (check.printable())
            std::cerr << " in " << bad << " of " << check.records
                      << " records: nothing is made (--skip-bad leaves those records out)";
        std::cerr << ".\n";
    }
    tellOfReplacing(check);
    return goesOn;
}

bool loadWithMergeOptions(const Invocation& invocation, MergeSettings& settings,
                          FolioSession& session) {
    StderrReporter reporter;
    return applyMergeOptions(invocation, settings) && loadDocument(invocation, session, reporter);
}

std::unique_ptr<LabelBatch> checkedBatchOf(const Invocation& invocation,
                                           const FolioSession& session, MergeSettings settings,
                                           const LanguageOptions& options, std::ostream& out) {
    auto batch = std::make_unique<LabelBatch>(session, std::move(settings), options);
    if (!acceptCheck(invocation, *batch, out))
        return nullptr;
    return batch;
}

} // namespace

std::unique_ptr<LabelBatch> checkedBatch(const Invocation& invocation,
                                         const LanguageOptions& options, std::ostream& out) {
    MergeSettings settings;
    FolioSession session(invocation.printerType);
    if (!loadWithMergeOptions(invocation, settings, session))
        return nullptr;
    return checkedBatchOf(invocation, session, std::move(settings), options, out);
}

std::unique_ptr<PrintSource> printSourceOfFile(const Invocation& invocation,
                                               const LanguageOptions& options) {
    MergeSettings settings;
    FolioSession session(invocation.printerType);
    if (!loadWithMergeOptions(invocation, settings, session))
        return nullptr;
    if (options.language == PrinterLanguage::Script) {
        if (const auto refusal = scriptPrinterRefusal(session.objects())) {
            std::cerr << *refusal << ".\n";
            return nullptr;
        }
    }
    const auto from = invocation.value("--from-label");
    if (!invocation.has("--data") && !MergeTemplate(session.script()).fills()) {
        if (from) {
            std::cerr << "--from-label resumes a batch of labels; this page has no fields.\n";
            return nullptr;
        }
        return pageSource(printerBytes(session, options));
    }
    auto batch = checkedBatchOf(invocation, session, std::move(settings), options, std::cerr);
    if (batch && from) {
        const auto label =
            wholeNumber(*from, 1, static_cast<int>(std::min<long long>(batch->count(), INT_MAX)));
        if (!label) {
            std::cerr << "--from-label takes a label from 1 to " << batch->count() << ".\n";
            return nullptr;
        }
        batch->startAt(*label);
    }
    return batch;
}

bool endedWhole(const PrintSource& source) {
    const auto fault = source.fault();
    if (fault)
        std::cerr << *fault << '\n';
    return !fault;
}

} // namespace quillset::cli
