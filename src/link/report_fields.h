#pragma once

// The fields of the device's full report, by payload offset. Each line:
//   X(name, kind, offset, size, length_offset)
// kind: U8/U16/U32 little-endian numbers, IP (4 bytes, network order, stored as dotted text),
// MAC (6 raw bytes, stored as MAC text), TEXT (size bytes counted by the length byte at
// length_offset). The name is the store column the field feeds.
#define CPE_REPORT_FIELDS(X)                                                                                 \
    X(work_mode, U8, 0, 1, 0)                                                                                \
    X(mode_btn_status, U8, 1, 1, 0)                                                                          \
    X(up_time, U32, 4, 4, 0)                                                                                 \
    X(ip_mode, U8, 8, 1, 0)                                                                                  \
    X(ip, IP, 9, 4, 0)                                                                                       \
    X(ip_mask, IP, 13, 4, 0)                                                                                 \
    X(ip_gateway, IP, 17, 4, 0)                                                                              \
    X(ip_dns1, IP, 21, 4, 0)                                                                                 \
    X(ip_dns2, IP, 25, 4, 0)                                                                                 \
    X(ap_name, TEXT, 30, 32, 62)                                                                             \
    X(version, TEXT, 63, 32, 95)                                                                             \
    X(restart_en, U8, 96, 1, 0)                                                                              \
    X(restart_type, U8, 97, 1, 0)                                                                            \
    X(restart_time, U16, 98, 2, 0)                                                                           \
    X(rf_count, U8, 100, 1, 0)                                                                               \
    X(rf_en, U8, 101, 1, 0)                                                                                  \
    X(rf_type, U8, 102, 1, 0)                                                                                \
    X(country_code, U8, 103, 1, 0)                                                                           \
    X(network_mode, U8, 104, 1, 0)                                                                           \
    X(bandwidth, U8, 105, 1, 0)                                                                              \
    X(channel, U8, 106, 1, 0)                                                                                \
    X(expand_channel, U8, 107, 1, 0)                                                                         \
    X(tx_power, U8, 108, 1, 0)                                                                               \
    X(tx_power_min, U8, 109, 1, 0)                                                                           \
    X(tx_power_max, U8, 110, 1, 0)                                                                           \
    X(ssid_rf_type, U8, 122, 1, 0)                                                                           \
    X(ssid_id, U8, 123, 1, 0)                                                                                \
    X(ssid_hide, U8, 124, 1, 0)                                                                              \
    X(ssid_mac, MAC, 125, 6, 0)                                                                              \
    X(ssid, TEXT, 131, 32, 163)                                                                              \
    X(secure_mode, U8, 164, 1, 0)                                                                            \
    X(wpapsk_auth_type, U8, 165, 1, 0)                                                                       \
    X(wpapsk_key_value, TEXT, 166, 64, 230)                                                                  \
    X(wpapsk_key_time, U32, 231, 4, 0)                                                                       \
    X(wep_auth_type, U8, 235, 1, 0)                                                                          \
    X(wep_key_index, U8, 236, 1, 0)                                                                          \
    X(wep_key_type0, U8, 237, 1, 0)                                                                          \
    X(wep_key_value0, TEXT, 238, 26, 264)                                                                    \
    X(wep_key_type1, U8, 265, 1, 0)                                                                          \
    X(wep_key_value1, TEXT, 266, 26, 292)                                                                    \
    X(wep_key_type2, U8, 293, 1, 0)                                                                          \
    X(wep_key_value2, TEXT, 294, 26, 320)                                                                    \
    X(wep_key_type3, U8, 321, 1, 0)                                                                          \
    X(wep_key_value3, TEXT, 322, 26, 348)                                                                    \
    X(wpa_radius_ip, IP, 350, 4, 0)                                                                          \
    X(wpa_radius_port, U16, 354, 2, 0)                                                                       \
    X(wpa_auth_type, U8, 356, 1, 0)                                                                          \
    X(wpa_key, TEXT, 357, 64, 421)                                                                           \
    X(wpa_key_time, U32, 422, 4, 0)                                                                          \
    X(ssid_count, U8, 426, 1, 0)                                                                             \
    X(bridge_work_mode, U8, 428, 1, 0)                                                                       \
    X(bridge_mac, MAC, 429, 6, 0)                                                                            \
    X(bridge_channel, U8, 435, 1, 0)                                                                         \
    X(bridge_ssid, TEXT, 436, 32, 468)                                                                       \
    X(vlan_en, U8, 732, 1, 0)                                                                                \
    X(vlan_id, U16, 734, 2, 0)                                                                               \
    X(vlan_id_wlan, U16, 736, 2, 0)                                                                          \
    X(vlan_id_lan, U16, 738, 2, 0)                                                                           \
    X(bridge_transparent, U8, 742, 1, 0)                                                                     \
    X(tdmaEn, U8, 743, 1, 0)                                                                                 \
    X(vlan_pvid, U16, 744, 2, 0)                                                                             \
    X(vlan_id_lan3, U16, 746, 2, 0)                                                                          \
    X(vlan_id_lan4, U16, 748, 2, 0)                                                                          \
    X(wl_dfs, U8, 754, 1, 0)                                                                                 \
    X(trunk_port, U8, 755, 1, 0)                                                                             \
    X(vlan_id_lan2, U16, 756, 2, 0)
