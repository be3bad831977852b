// `rilievo reduce`: reduces every observation of a field book and computes
// the coordinates of stations and points, then saves the book and writes a
// coordinate list.
//
// Stations get their coordinates from the command line or, when another
// station already computed observed them as a point, from that observation.
// A station is oriented on the first of its observations that sights a
// point of known coordinates (a station, or a name given on the command
// line); a station with no such sight is oriented at 0 gon (its readings are
// then azimuths), unless the command line gives its orientation.
#include "book_file.h"
#include "command.h"

#include <LibCmp.h>
#include <zor0util.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <unordered_map>
#include <vector>

namespace {
const char* kHelp =
    "uso: rilievo reduce LIBRETTO [--station NOME=E,N,H[,AZ]]... [--csv FILE]\n"
    "  Riduce le misure del libretto (distanze orizzontali e dislivelli secondo le\n"
    "  impostazioni del libretto) e calcola le coordinate di stazioni e punti; salva il\n"
    "  libretto e scrive l'elenco delle coordinate (nome, est, nord, quota, codice).\n"
    "  --station NOME=E,N,H[,AZ]  coordinate note di una stazione o di un punto di\n"
    "                             orientamento; H vuota: senza quota; AZ (gon): correzione\n"
    "                             d'orientamento della stazione (azimut = AZ + lettura)\n"
    "  --csv FILE                 elenco delle coordinate (predefinito: LIBRETTO.csv)";

struct Noto {
    double x = VAL_NON_VALIDO, y = VAL_NON_VALIDO, z = VAL_NON_VALIDO;
    std::optional<double> az;
};

bool ParseNumber(const std::string& t, double& v)
{
    std::string s = t;
    StringTrimBoth(s);
    if (s.empty() || s == "-") {
        v = VAL_NON_VALIDO;
        return true;
    }
    std::istringstream in(s);
    in.imbue(std::locale::classic());
    in >> v;
    return in && in.eof();
}

bool ParseStation(const std::string& text, std::string& name, Noto& n)
{
    const auto eq = text.find('=');
    if (eq == std::string::npos || eq == 0)
        return false;
    name = text.substr(0, eq);
    std::vector<std::string> f;
    std::stringstream ss(text.substr(eq + 1));
    std::string cell;
    while (std::getline(ss, cell, ','))
        f.push_back(cell);
    if (!text.empty() && text.back() == ',')
        f.emplace_back();
    if (f.size() < 3 || f.size() > 4)
        return false;
    if (!ParseNumber(f[0], n.x) || !ParseNumber(f[1], n.y) || !ParseNumber(f[2], n.z))
        return false;
    if (!EstValido(n.x) || !EstValido(n.y))
        return false;
    if (f.size() == 4) {
        double az = 0;
        if (!ParseNumber(f[3], az))
            return false;
        if (EstValido(az))
            n.az = az;
    }
    return true;
}

std::string CsvField(const std::string& s)
{
    if (s.find_first_of(",\"\r\n") == std::string::npos)
        return s;
    std::string q = "\"";
    for (char c : s)
        q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + "\"";
}

std::string Coord(double v)
{
    if (!EstValido(v))
        return "";
    return StringDaDouble(v, 0, 4);
}

struct StaInfo {
    CSta* sta;
    int j, i;
    bool coord = false;
    bool orientata = false;
    std::string come;   // how it was oriented, for the summary
};

int Run(const std::vector<std::string>& args)
{
    std::string bookPath, csvPath;
    std::map<std::string, Noto> noti;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--station") {
            if (i + 1 >= args.size())
                return cli::UsageError("reduce", "--station vuole NOME=E,N,H[,AZ]");
            std::string name;
            Noto n;
            if (!ParseStation(args[++i], name, n))
                return cli::UsageError("reduce", "--station non valido: " + args[i]);
            noti[name] = n;
        } else if (a == "--csv") {
            if (i + 1 >= args.size())
                return cli::UsageError("reduce", "--csv vuole il nome del file");
            csvPath = args[++i];
        } else if (!a.empty() && a[0] == '-') {
            return cli::UsageError("reduce", "opzione sconosciuta: " + a);
        } else if (bookPath.empty()) {
            bookPath = a;
        } else {
            return cli::UsageError("reduce", "un solo libretto");
        }
    }
    if (bookPath.empty())
        return cli::UsageError("reduce", "manca il libretto");
    if (csvPath.empty())
        csvPath = bookPath + ".csv";

    cli::Book b;
    std::string error;
    if (!cli::LoadBook(b, bookPath, error)) {
        std::fprintf(stderr, "rilievo reduce: %s\n", error.c_str());
        return cli::ExitFailed;
    }
    CLibCmp& lib = *b.lib;
    const CCalcDsOr& calc = lib.GetCalcDsOr();

    std::vector<StaInfo> stazioni;
    for (int j = 0; j < lib.GetJobArSize(); ++j)
        for (int i = 0; i < lib.GetStaArSize(j); ++i) {
            CSta* s = lib.GetStaAt(j, i);
            s->AnnullaCoor();
            s->SetAnCoAz(VAL_NON_VALIDO);
            stazioni.push_back({s, j, i});
        }
    // Every lookup below is by name, so that each station and each
    // observation is looked at a bounded number of times.
    std::unordered_map<std::string, std::vector<int>> stazioniPerNome;
    for (int si = 0; si < static_cast<int>(stazioni.size()); ++si)
        stazioniPerNome[stazioni[si].sta->GetNome()].push_back(si);
    // Observations of the names that can become known points (stations and
    // the command line's names): (station, point index).
    std::unordered_map<std::string, std::vector<std::pair<int, int>>> osservazioni;
    for (int si = 0; si < static_cast<int>(stazioni.size()); ++si) {
        const int n = lib.GetPunArSize(stazioni[si].j, stazioni[si].i);
        for (int k = 0; k < n; ++k) {
            const std::string& nome = lib.GetPunAt(stazioni[si].j, stazioni[si].i, k)->NomeRef();
            if (stazioniPerNome.count(nome) || noti.count(nome))
                osservazioni[nome].emplace_back(si, k);
        }
    }
    // Points of known coordinates that stations may be oriented on: the
    // command line's names and the stations placed so far.
    std::unordered_map<std::string, Noto> riferimenti(noti.begin(), noti.end());
    std::vector<int> daFare;   // stations just placed, to orient and compute
    std::set<int> inAttesa;    // placed stations without orientation, in book order

    auto posiziona = [&](int si, const Noto& n) {
        CSta* s = stazioni[si].sta;
        s->SetCoordX(n.x);
        s->SetCoordY(n.y);
        s->SetCoordZ(n.z);
        s->CalcolaValiditaXYZ();
        stazioni[si].coord = true;
        daFare.push_back(si);
        inAttesa.insert(si);
    };
    // Orients station si on its observation k when that sights a known point.
    auto orientaSu = [&](int si, int k) {
        StaInfo& st = stazioni[si];
        CSta* s = st.sta;
        CPun* p = lib.GetPunAt(st.j, st.i, k);
        const auto r = riferimenti.find(p->GetNome());
        if (r == riferimenti.end() || p->GetNome() == s->GetNome())
            return false;
        p->CalcolaDatiRelativi(s->GetAltStr(), calc);
        const double dx = r->second.x - s->GetCoordX();
        const double dy = r->second.y - s->GetCoordY();
        if (!EstValido(p->GetAngO()) || (dx == 0.0 && dy == 0.0))
            return false;
        s->SetAnCoAz(LimiteAng0_400(AngoloDaAsseRifer(dx, dy) - p->GetAngO()));
        st.orientata = true;
        inAttesa.erase(si);
        st.come = "orientata su " + p->GetNome();
        return true;
    };
    // Computes the points of an oriented station; stations not yet placed
    // take the coordinates of the first observation of their name.
    auto calcolaPunti = [&](int si) {
        StaInfo& st = stazioni[si];
        const bool threeD = EstValido(st.sta->GetCoordZ());
        const int n = lib.GetPunArSize(st.j, st.i);
        for (int k = 0; k < n; ++k) {
            CPun* p = lib.GetPunAt(st.j, st.i, k);
            p->CalcolaCoordAssolute(threeD, calc);
            if (!p->EstValidoXY())
                continue;
            const auto t = stazioniPerNome.find(p->GetNome());
            if (t == stazioniPerNome.end())
                continue;
            for (int other : t->second)
                if (!stazioni[other].coord) {
                    Noto o;
                    o.x = p->GetCoordX();
                    o.y = p->GetCoordY();
                    o.z = p->GetCoordZ();
                    posiziona(other, o);
                }
        }
    };

    for (int si = 0; si < static_cast<int>(stazioni.size()); ++si)
        if (const auto cl = noti.find(stazioni[si].sta->GetNome()); cl != noti.end())
            posiziona(si, cl->second);
    for (;;) {
        while (!daFare.empty()) {
            const int si = daFare.back();
            daFare.pop_back();
            StaInfo& st = stazioni[si];
            CSta* s = st.sta;
            if (!st.orientata) {
                const auto cl = noti.find(s->GetNome());
                if (cl != noti.end() && cl->second.az) {
                    s->SetAnCoAz(*cl->second.az);
                    st.orientata = true;
                    inAttesa.erase(si);
                    st.come = "orientamento dato";
                } else {
                    const int n = lib.GetPunArSize(st.j, st.i);
                    for (int k = 0; k < n && !orientaSu(si, k); ++k) {
                    }
                }
                if (st.orientata)
                    calcolaPunti(si);
            }
            // The station is now a known point: stations waiting for an
            // orientation may sight it.
            Noto ref;
            ref.x = s->GetCoordX();
            ref.y = s->GetCoordY();
            ref.z = s->GetCoordZ();
            if (!riferimenti.emplace(s->GetNome(), ref).second)
                continue;
            const auto o = osservazioni.find(s->GetNome());
            if (o == osservazioni.end())
                continue;
            for (const auto& [other, k] : o->second) {
                StaInfo& t = stazioni[other];
                if (other != si && t.coord && !t.orientata && orientaSu(other, k))
                    calcolaPunti(other);
            }
        }
        // Nothing more follows from what is known: orient the first placed
        // station still without orientation at 0 gon and go on from there.
        if (inAttesa.empty())
            break;
        const int si = *inAttesa.begin();
        inAttesa.erase(inAttesa.begin());
        StaInfo& st = stazioni[si];
        st.sta->SetAnCoAz(0.0);
        st.orientata = true;
        st.come = "orientamento 0 gon (nessun punto noto in vista)";
        calcolaPunti(si);
    }

    std::ofstream csv(csvPath, std::ios::binary | std::ios::trunc);
    if (!csv) {
        std::fprintf(stderr, "rilievo reduce: impossibile scrivere '%s'\n", csvPath.c_str());
        return cli::ExitFailed;
    }
    csv << "nome,est,nord,quota,codice\n";
    int conCoord = 0;
    int senza = 0;
    for (StaInfo& si : stazioni) {
        CSta* s = si.sta;
        if (!si.coord) {
            std::printf("stazione %s: coordinate non note, punti non calcolati\n", s->GetNomeChar());
        } else {
            std::printf("stazione %s: E %s N %s H %s, %s (correzione %s gon)\n", s->GetNomeChar(),
                        Coord(s->GetCoordX()).c_str(), Coord(s->GetCoordY()).c_str(), Coord(s->GetCoordZ()).c_str(),
                        si.come.c_str(), StringDaDouble(s->GetAnCoAz(), 0, 4).c_str());
            csv << CsvField(s->GetNome()) << ',' << Coord(s->GetCoordX()) << ',' << Coord(s->GetCoordY()) << ','
                << Coord(s->GetCoordZ()) << ',' << CsvField(s->GetIden()) << '\n';
        }
        const int n = lib.GetPunArSize(si.j, si.i);
        for (int k = 0; k < n; ++k) {
            const CPun* p = lib.GetPunAt(si.j, si.i, k);
            if (!si.orientata || !p->EstValidoXY()) {
                ++senza;
                continue;
            }
            ++conCoord;
            csv << CsvField(p->GetNome()) << ',' << Coord(p->GetCoordX()) << ',' << Coord(p->GetCoordY()) << ','
                << Coord(p->GetCoordZ()) << ',' << CsvField(p->GetCode()) << '\n';
        }
    }
    csv.close();
    if (!csv) {
        std::fprintf(stderr, "rilievo reduce: errore scrivendo '%s'\n", csvPath.c_str());
        return cli::ExitFailed;
    }
    if (!cli::SaveBook(b, bookPath, error)) {
        std::fprintf(stderr, "rilievo reduce: %s\n", error.c_str());
        return cli::ExitFailed;
    }
    std::printf("punti con coordinate: %d; senza coordinate: %d\n", conCoord, senza);
    std::printf("libretto aggiornato: %s\nelenco delle coordinate: %s\n", bookPath.c_str(), csvPath.c_str());
    return cli::ExitOk;
}

cli::Register reg({"reduce", "riduce le misure di un libretto e calcola le coordinate", kHelp, Run});
}  // namespace
