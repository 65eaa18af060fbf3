#include "data/passwordhash.h"

#include <sodium.h>

namespace Data::PasswordHash {

namespace {

bool ready()
{
    static const bool ok = sodium_init() >= 0;
    return ok;
}

} // namespace

std::optional<QString> hash(const QString &password)
{
    if (!ready())
        return std::nullopt;
    const QByteArray utf8 = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, utf8.constData(), quint64(utf8.size()), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE)
        != 0)
        return std::nullopt;
    return QString::fromLatin1(out);
}

bool verify(const QString &hash, const QString &password)
{
    if (!ready() || hash.isEmpty())
        return false;
    const QByteArray h = hash.toLatin1();
    const QByteArray utf8 = password.toUtf8();
    return crypto_pwhash_str_verify(h.constData(), utf8.constData(), quint64(utf8.size())) == 0;
}

} // namespace Data::PasswordHash
