#pragma once

#include <QString>

#include <optional>

// Account passwords are stored only as libsodium Argon2id hash strings (the
// field PWD_HASH of market); PASSWD stays empty.
namespace Data::PasswordHash {

inline constexpr char kDefaultUser[] = "admin";
inline constexpr char kDefaultPassword[] = "9640";

// std::nullopt when libsodium cannot hash (out of memory).
std::optional<QString> hash(const QString &password);
// False for a wrong password and for an empty or malformed hash.
bool verify(const QString &hash, const QString &password);

} // namespace Data::PasswordHash
