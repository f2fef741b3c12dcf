// Opening 100 000 shift-record-shaped rows through the dataset layer and through plain libpq.
// Connection from the environment: ZEMRA_TEST_HOST, ZEMRA_TEST_PORT, ZEMRA_TEST_ADMIN_PASSWORD,
// ZEMRA_TEST_TEMPLATE (as scripts/test.sh sets them).
#include "data/Connection.h"
#include "data/Dataset.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <libpq-fe.h>

namespace {

QString env(const char *name, const char *fallback)
{
    const QByteArray v = qgetenv(name);
    return QString::fromLocal8Bit(v.isEmpty() ? QByteArray(fallback) : v);
}

long rssKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

const char *const Rows = R"SQL(
select g as id, date '2026-04-03' + (g % 30) as data, 1 + g % 3 as smena, g % 500 as i_id, g % 900 as o_id,
       g % 120 as w_id, (g % 97)::numeric(15,4) / 7 as cena, 'Иванов И.И. ' || (g % 120) as fio,
       'Изделие ' || (g % 500) as marka, 'Операция ' || (g % 40) as vid_oper,
       case when g % 2 = 0 then 'Готовая продукция' else 'Заготовки' end as nmn,
       (g % 50)::numeric(28,6) as kol_vo, g % 3 as brak, round((g % 50) * 1.25, 2)::numeric(28,6) as summa,
       0::numeric(28,6) as prize, 8 as time, case when g % 3 = 0 then 'ok' else 'no' end::char(2) as ok,
       now()::date as vvod, (g % 70)::numeric(15,0) as id_doc, (g % 300)::numeric(15,0) as id_doc_item,
       'RAL ' || (9000 + g % 20) as s_caption_color
from generate_series(1, 100000) g)SQL";

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString host = env("ZEMRA_TEST_HOST", "127.0.0.1"), port = env("ZEMRA_TEST_PORT", "5432");
    const QString password = env("ZEMRA_TEST_ADMIN_PASSWORD", "");
    const QString db = env("ZEMRA_TEST_TEMPLATE", "postgres");
    const int rounds = 5;

    // Plain libpq: the result in memory, as the client library keeps it.
    const QByteArray conninfo = QStringLiteral("host=%1 port=%2 dbname=%3 user=postgres password=%4")
                                    .arg(host, port, db, password)
                                    .toUtf8();
    PGconn *pg = PQconnectdb(conninfo.constData());
    if (PQstatus(pg) != CONNECTION_OK) {
        std::fprintf(stderr, "libpq: %s", PQerrorMessage(pg));
        return 1;
    }
    Connection conn(QStringLiteral("bench"));
    conn.setConnectionString(
        QStringLiteral("DRIVER={PostgreSQL UNICODE};DATABASE=%1;SERVER=%2;PORT=%3;UID=postgres;PWD=%4")
            .arg(db, host, port, Connection::quote(password)));
    qputenv("PGPORT", port.toLocal8Bit());
    conn.open();
    Dataset ds(&conn, QStringLiteral("Smena1"), QString::fromUtf8(Rows));

    // Rounds alternate between the two so that neither gets a warmer server.
    double libpqBest = 1e99, layerBest = 1e99;
    long libpqKb = 0, layerKb = 0;
    for (int i = 0; i < rounds; ++i) {
        long before = rssKb();
        QElapsedTimer t;
        t.start();
        PGresult *res = PQexec(pg, Rows);
        double ms = t.nsecsElapsed() / 1e6;
        if (PQresultStatus(res) != PGRES_TUPLES_OK || PQntuples(res) != 100000) {
            std::fprintf(stderr, "libpq: %s", PQresultErrorMessage(res));
            return 1;
        }
        libpqKb = std::max(libpqKb, rssKb() - before);
        PQclear(res);
        libpqBest = std::min(libpqBest, ms);

        before = rssKb();
        t.restart();
        ds.open();
        ms = t.nsecsElapsed() / 1e6;
        if (ds.recordCount() != 100000)
            return 1;
        layerKb = std::max(layerKb, rssKb() - before);
        ds.close();
        layerBest = std::min(layerBest, ms);
    }
    PQfinish(pg);

    // A client-side sort on a text column, as a title click does.
    ds.open();
    QElapsedTimer t;
    t.start();
    ds.setSort(QStringLiteral("fio ASC, kol_vo DESC"));
    const double sortMs = t.nsecsElapsed() / 1e6;

    std::printf("dataset_open: 100000 rows x 21 columns, best of %d\n", rounds);
    std::printf("  plain libpq     %8.1f ms  %7.1f MB\n", libpqBest, libpqKb / 1024.0);
    std::printf("  dataset layer   %8.1f ms  %7.1f MB\n", layerBest, layerKb / 1024.0);
    std::printf("  ratio           %8.2f x   (goal: within 1.2x, under 100 MB)\n", layerBest / libpqBest);
    std::printf("  client sort     %8.1f ms  (fio ASC, kol_vo DESC)\n", sortMs);
    return 0;
}
