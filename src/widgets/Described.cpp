#include "Described.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

// Rides on the widget as a child object: it goes when the widget goes.
class Describer : public QObject {
public:
    Describer(QWidget* widget, std::function<QString()> describe)
        : QObject(widget), Describe(std::move(describe))
    {
    }
    std::function<QString()> Describe;
};

class DescribedWidget : public QAccessibleWidget {
public:
    DescribedWidget(QWidget* widget, const Describer* describer)
        : QAccessibleWidget(widget, QAccessible::Graphic), Source(describer)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Description)
            return Source->Describe();
        return QAccessibleWidget::text(kind);
    }

private:
    const Describer* Source;
};

QAccessibleInterface* InterfaceFor(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    for (const QObject* child : widget->children())
        if (const auto* describer = dynamic_cast<const Describer*>(child))
            return new DescribedWidget(widget, describer);
    return nullptr;
}

} // namespace

void DescribeOnDemand(QWidget* widget, std::function<QString()> describe)
{
    static const bool installed = [] {
        QAccessible::installFactory(InterfaceFor);
        return true;
    }();
    static_cast<void>(installed);
    new Describer(widget, std::move(describe));
}

void DescriptionChanged(QWidget* widget)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}
