# Documento catastale del rilievo di esempio (rilievo.gt7): intestazione
# dell'atto, righe del libretto PREGEO, relazione tecnica e dati censuari.
# Formato: vedi il README, sezione "Il documento catastale".
CTS|1
DATA|11|12|2026
PROTOCOLLO|000123
COMUNE|H501
FOGLIO|12
MAPPALE|345
TECNICO|Rossi|Mario
QUALIFICA|1
PROVINCIA|Roma
OPZIONI|0||0
# il lavoro 1 del libretto: intestazione (con la quota media) e stazioni
RIGA|L||||12.5||1|0
RIGA|S||||||1|0
# il fabbricato: poligono chiuso sui suoi spigoli, con le etichette di chiusura
RIGA|7|Fabbricato|Linea|Muro|||1|0
VERTICE|P01|N|C
VERTICE|P07|N|C
VERTICE|P08|N|C
VERTICE|P01|N|C
# la scarpata
RIGA|3
VERTICE|P04
VERTICE|P05
RIGA|6|||Rilievo per tipo mappale
RIGA|9|E1|E2|X|150|10.01|2|1
RELAZIONE|Rilievo celerimetrico eseguito con stazione totale da un solo punto di stazione, orientato sul nord della mappa.
RELAZIONE|Punti di dettaglio: spigoli del fabbricato, recinzione, scarpata e tombini.
ORDINE-CENSUARIO|M
CENSUARIO|M|S|12|1||345|0|12|5|T|||1|2
