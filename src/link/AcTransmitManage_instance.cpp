#include "link/AcTransmitManage.h"
#include "store/CSqlManagement.h"

namespace cpe {
namespace {

LinkOptions& InstanceOptions() {
    static LinkOptions options;
    return options;
}

} // namespace

void AcTransmitManage::SetInstanceOptions(LinkOptions options) {
    InstanceOptions() = std::move(options);
}

AcTransmitManage& AcTransmitManage::GetInstance() {
    // The store outlives the link: the link's shutdown still writes nothing to it, but the
    // adapter must stay valid while the link's threads run.
    static DeviceStoreAdapter<CSqlManagement> store(CSqlManagement::GetInstance());
    static AcTransmitManage instance(store, InstanceOptions());
    return instance;
}

} // namespace cpe
