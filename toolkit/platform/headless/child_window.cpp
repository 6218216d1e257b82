#include "toolkit/platform/headless/cairo_device.h"
#include "toolkit/platform/headless/headless.h"

#include <cairo.h>

#include <memory>
#include <set>

namespace toolkit::headless {

namespace {

std::set<const void*>& hostWindows() {
    static std::set<const void*> windows;
    return windows;
}

class HeadlessChildWindow : public ChildWindow {
public:
    HeadlessChildWindow(void* parent, const CRect& size, platform::WindowEvents& events)
        : ownHost_(HostWindow::exists(parent)
                       ? nullptr
                       : std::make_unique<HostWindow>(CRect(0, 0, size.width(), size.height()))),
          host_(ownHost_ ? *ownHost_ : *static_cast<HostWindow*>(parent)), events_(&events),
          surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, size.width(), size.height())) {}
    ~HeadlessChildWindow() override { cairo_surface_destroy(surface_); }
    HeadlessChildWindow(const HeadlessChildWindow&) = delete;
    HeadlessChildWindow& operator=(const HeadlessChildWindow&) = delete;

    std::unique_ptr<platform::Device> openDevice() override {
        return std::make_unique<CairoDevice>(surface_);
    }

    CRect screenRect() const override {
        return CRect(0, 0, cairo_image_surface_get_width(surface_),
                     cairo_image_surface_get_height(surface_))
            .offsetBy(host_.screenRect.topLeft());
    }

    void resize(std::int32_t width, std::int32_t height) override {
        cairo_surface_destroy(surface_);
        surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    }

    bool resizeWithParents(std::int32_t width, std::int32_t height) override {
        resize(width, height);
        host_.screenRect.right = host_.screenRect.left + width;
        host_.screenRect.bottom = host_.screenRect.top + height;
        return true;
    }

    CRect parentRect() const override { return host_.screenRect; }

    CPoint outerPosition() const override { return host_.screenRect.topLeft(); }

    void paint(const CRect& update) override {
        if (!events_) {
            return;
        }
        CairoDevice device(surface_, update);
        events_->handlePaint(device, update);
    }

    void press(CPoint where, platform::PointerButtons buttons) override {
        setPointer({CPoint(where).offset(host_.screenRect.left, host_.screenRect.top), buttons});
        if (events_) {
            events_->handleButtonDown(where);
        }
    }

    void wheel(CPoint where, float notches) override {
        if (events_) {
            events_->handleWheel(where.offset(host_.screenRect.left, host_.screenRect.top),
                                 notches);
        }
    }

    void destroyFromOutside() override {
        if (events_) {
            platform::WindowEvents* events = events_;
            events_ = nullptr;
            events->handleDestroyed();
        }
    }

    CColor pixel(CPoint where) const override { return CairoDevice(surface_).pixel(where); }

    bool writePng(const std::string& path) const override {
        return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
    }

private:
    std::unique_ptr<HostWindow> ownHost_;
    HostWindow& host_;
    platform::WindowEvents* events_;
    cairo_surface_t* surface_;
};

} // namespace

HostWindow::HostWindow(const CRect& screenRect) : screenRect(screenRect) {
    hostWindows().insert(this);
}

HostWindow::~HostWindow() {
    hostWindows().erase(this);
}

bool HostWindow::exists(const void* handle) {
    return hostWindows().count(handle) != 0;
}

ChildWindow* childWindow(platform::Window* window) {
    return static_cast<ChildWindow*>(window);
}

bool writePng(platform::Device& device, const std::string& path) {
    return cairo_surface_write_to_png(static_cast<CairoDevice&>(device).surface(), path.c_str()) ==
           CAIRO_STATUS_SUCCESS;
}

} // namespace toolkit::headless

namespace toolkit::platform {

std::unique_ptr<Window> createChildWindow(void* parent, const CRect& size, WindowEvents& events) {
    return std::make_unique<headless::HeadlessChildWindow>(parent, size, events);
}

} // namespace toolkit::platform
