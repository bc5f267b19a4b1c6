#pragma once

// Items of the server type lists: "HTTP", "FTP", "HTTPS", "MQTT", "MQTTS", "FTPS".
namespace ServerType {
inline constexpr int Http = 0;
inline constexpr int Ftp = 1;
inline constexpr int Https = 2;
inline constexpr int Mqtt = 3;
inline constexpr int Mqtts = 4;
inline constexpr int Ftps = 5;
} // namespace ServerType
