#include "scene/d3ddriverlist.h"

#include "scene/rm/gl/eglcontext.h"

namespace {

TD3DDriverList* current = nullptr;

} // namespace

TD3DDriverList::TD3DDriverList() {
    for (const gl::EglDeviceInfo& device : gl::EglContext::devices()) {
        if (count() >= MaxDrivers)
            break;
        drivers_.push_back({device.index, QString::fromStdString(device.renderer), device.hardware});
    }
    previous_ = current;
    current = this;
}

TD3DDriverList::TD3DDriverList(std::vector<TD3DDriver> drivers) : drivers_(std::move(drivers)) {
    if (drivers_.size() > MaxDrivers)
        drivers_.resize(MaxDrivers);
    previous_ = current;
    current = this;
}

TD3DDriverList::~TD3DDriverList() {
    if (current == this)
        current = previous_;
}

TD3DDriverList* TD3DDriverList::instance() {
    return current;
}

void TD3DDriverList::GetNames(QStringList& list) const {
    list.clear();
    for (const TD3DDriver& driver : drivers_)
        list.append(driver.name);
}

std::optional<int> TD3DDriverList::Find(const QString& name, bool& hardware) const {
    for (const TD3DDriver& driver : drivers_) {
        if (driver.name == name) {
            hardware = driver.hardware;
            return driver.device;
        }
    }
    hardware = false;
    return std::nullopt;
}
