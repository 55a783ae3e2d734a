#include "language/PrintSource.h"

#include <utility>

namespace quillset {

namespace {

class MadePage : public PrintSource {
public:
    explicit MadePage(std::string bytes)
        : bytes_(std::move(bytes)) {}
    bool next(std::string& out) override {
        if (std::exchange(taken_, true))
            return false;
        if (out.empty())
            out = std::move(bytes_);
        else
            out += bytes_;
        return true;
    }
    long long count() const override { return 1; }

private:
    std::string bytes_;
    bool taken_ = false;
};

} // namespace

std::unique_ptr<PrintSource> pageSource(std::string bytes) {
    return std::make_unique<MadePage>(std::move(bytes));
}

} // namespace quillset
