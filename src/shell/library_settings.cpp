#include "library_settings.h"

namespace kodrix {

std::optional<LibrarySettingsValues> LibrarySettings::load() {
    const auto row = db_.selectFirst(QStringLiteral("select * from konyvtar;"));
    if (!row) return std::nullopt;
    LibrarySettingsValues v;
    v.kvtnev = row->text(QStringLiteral("kvtnev"));
    v.kvtkod = row->text(QStringLiteral("kvtkod"));
    v.email = row->text(QStringLiteral("email"));
    v.kolcsdatum = row->date(QStringLiteral("kolcsdatum"));
    v.kes = row->text(QStringLiteral("kes")) == QLatin1String("f") ? QStringLiteral("f") : QStringLiteral("n");
    v.kesdij = row->value(QStringLiteral("kesdij"));
    v.pnem = row->text(QStringLiteral("pnem"));
    v.alell = row->text(QStringLiteral("alell"));
    return v;
}

void LibrarySettings::save(const LibrarySettingsValues& v) {
    const db::Params params = {
        {QStringLiteral("id"), 1},
        {QStringLiteral("kvtnev"), v.kvtnev},
        {QStringLiteral("kvtkod"), v.kvtkod},
        {QStringLiteral("email"), v.email},
        {QStringLiteral("kolcsdatum"), v.kolcsdatum.isValid() ? QVariant(v.kolcsdatum) : QVariant()},
        {QStringLiteral("kes"), v.kes},
        {QStringLiteral("kesdij"), v.kesdij},
        {QStringLiteral("pnem"), v.pnem},
        {QStringLiteral("alell"), v.alell},
    };
    const bool exists = db_.scalar(QStringLiteral("select count(*) from konyvtar where id=1")).toInt() > 0;
    if (exists)
        db_.exec(QStringLiteral("update konyvtar set kvtnev=:kvtnev,kvtkod=:kvtkod,email=:email,"
                                "kolcsdatum=:kolcsdatum,kes=:kes,kesdij=:kesdij,pnem=:pnem,alell=:alell "
                                "where id=:id;"),
                 params);
    else
        db_.exec(QStringLiteral("insert into konyvtar (id,kvtnev,kvtkod,email,kolcsdatum,kes,kesdij,pnem,"
                                "alell) values (:id,:kvtnev,:kvtkod,:email,:kolcsdatum,:kes,:kesdij,:pnem,"
                                ":alell);"),
                 params);
}

} // namespace kodrix
