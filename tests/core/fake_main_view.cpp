#include "fake_main_view.h"

namespace corvane::test {
namespace {

class FakePowerCorrection : public PowerCorrectionView {
public:
    explicit FakePowerCorrection(FakeMainView& main) : main_(main) {}
    void Run(const std::function<bool(const std::string& typed)>& accept) override
    {
        main_.dialogs.emplace_back("Power Correction");
        for (const std::string& typed : main_.overRefraction)
            if (accept(typed))
                return;
    }
    void ShowError(const std::string& message) override { main_.Show({message, Buttons::OkExclamation, "Corvane"}); }

private:
    FakeMainView& main_;
};

class FakeAddCorrection : public AddCorrectionView {
public:
    explicit FakeAddCorrection(FakeMainView& main) : main_(main) {}
    std::optional<lens::AddChoice> Choose(const std::string& presAdd, const std::string& curAdd) override
    {
        main_.dialogs.emplace_back("Add Correction");
        main_.addsOffered = {presAdd, curAdd};
        return main_.addChoice;
    }

private:
    FakeMainView& main_;
};

} // namespace

std::unique_ptr<PowerCorrectionView> FakeMainView::PowerCorrection()
{
    return std::make_unique<FakePowerCorrection>(*this);
}

std::unique_ptr<AddCorrectionView> FakeMainView::AddCorrection() { return std::make_unique<FakeAddCorrection>(*this); }

} // namespace corvane::test
