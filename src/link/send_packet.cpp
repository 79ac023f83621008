#include "link/send_packet.h"

#include "link/log.h"

#include <arpa/inet.h>
#include <sys/socket.h>

namespace cpe {

bool SendPacket(int socket, const std::uint8_t* payload, const MacArg& mac, const std::string& destIp,
                std::uint16_t port, std::uint16_t msgType, std::uint16_t dataLen, bool destFlag) {
    PacketBuffer buffer;
    std::size_t size = BuildPacket(buffer, msgType, mac, payload, dataLen, destFlag);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    if (size == 0 || inet_pton(AF_INET, destIp.c_str(), &to.sin_addr) != 1) {
        LOG_ERROR("socket sendto fail");
        return false;
    }
    ssize_t sent =
        ::sendto(socket, buffer.data(), size, 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
    if (sent <= 0) {
        LOG_ERROR("socket sendto fail");
        return false;
    }
    return true;
}

} // namespace cpe
