#include "app/calculator_app.h"

#include "order/copy_lens.h"
#include "ui/qt/message_box.h"
#include "ui/qt/order_window.h"

namespace corvane {

CalculatorApp::CalculatorApp(NumberFormat fmt, std::unique_ptr<PageOutput> printer)
    : fmt_(fmt), output_(std::move(printer)), window_(std::make_unique<MainWindow>(fmt)), calc_(*window_, fmt),
      refine_(*window_, calc_, fmt)
{
    MainWindow* w = window_.get();
    // A failure that no presenter trapped is shown as a numbered message
    // instead of ending the program.
    auto guarded = [w](auto handler) { return [w, handler](auto... args) { Guarded(w, [&] { handler(args...); }); }; };
    QObject::connect(w, &MainWindow::calculateRequested, w, guarded([this] { calc_.Calculate(); }));
    QObject::connect(w, &MainWindow::clearRequested, w, guarded([this] { calc_.Clear(); }));
    QObject::connect(w, &MainWindow::inputChanged, w, guarded([this] { calc_.InputChanged(); }));
    QObject::connect(w, &MainWindow::valueClicked, w,
                     guarded([this](int eye, lens::LensValue value) { refine_.Clicked(eye, value); }));
    QObject::connect(w, &MainWindow::orderRequested, w, guarded([this] { OpenOrder(); }));
    output_.SetHome(w);
    w->show();
}

// The window goes before the presenters it tells.
CalculatorApp::~CalculatorApp() { window_.reset(); }

void CalculatorApp::OpenOrder()
{
    // Only settled lenses, while the entries are those of the lens shown.
    const std::optional<lens::LensOrder> order = calc_.Order();
    if (!order)
        return;
    order_ = WithSuggestedLens(order_, *order);
    corvane::OpenOrder(window_.get(), order_, fmt_, output_);
}

} // namespace corvane
