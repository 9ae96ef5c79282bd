#include "lab/AssemblyView.h"

#include "platform/Paths.h"

namespace lx {

QImage AssemblyView::loadPicture(const QString& picture)
{
    if (picture.startsWith(u':'))
        return QImage(picture);
    return QImage(installPath(picture));
}

AssemblyView::AssemblyView(QWidget* parent) : PictureBox(parent) {}

void AssemblyView::setAnimation(AssemblyAnimation animation, const PictureLoader& load)
{
    animation_ = std::move(animation);
    pictures_.clear();
    for (const Sprite& s : animation_.sprites())
        if (!pictures_.contains(s.picture))
            pictures_.insert(s.picture, load ? load(s.picture) : QImage());
    redraw();
}

int AssemblyView::tick()
{
    const int step = animation_.tick();
    if (step >= 0)
        redraw();
    return step;
}

void AssemblyView::apply(const AssemblyStep& step)
{
    animation_.apply(step);
    redraw();
}

void AssemblyView::reset()
{
    animation_.reset();
    redraw();
}

void AssemblyView::redraw()
{
    Cls();
    // A missing picture leaves its place empty rather than stopping the window.
    for (const Sprite& s : animation_.sprites()) {
        const QImage& image = pictures_.value(s.picture);
        if (s.visible && !image.isNull())
            PaintPicture(image, s.left, s.top, s.width, s.height);
    }
}

} // namespace lx
