#pragma once
// Databases as the mail programs create them, for the address book tests.
#include <QString>

namespace testbooks {

// Runs the SQL script in one transaction on the database at path (made when
// missing, its folder too), after the pragmas (which must come first, such as
// the page size).
void RunSql(const QString& path, const QString& script, const QString& pragmas = {});

// Thunderbird's address book tables, as Thunderbird creates them.
inline constexpr const char* kThunderbirdSchema =
    "PRAGMA user_version = 3;"
    "CREATE TABLE cards (uid TEXT PRIMARY KEY, localId INTEGER);"
    "CREATE TABLE properties (card TEXT, name TEXT, value TEXT);"
    "CREATE TABLE lists (uid TEXT PRIMARY KEY, localId INTEGER, name TEXT, nickName TEXT, description TEXT);"
    "CREATE TABLE list_cards (list TEXT, card TEXT, PRIMARY KEY(list, card));"
    "CREATE INDEX properties_card ON properties(card);"
    "CREATE INDEX properties_name ON properties(name);";

// Evolution's book database: the folders, the keys, the contacts of the
// folder "folder_id" (summary columns and the whole vCard) and its address list.
inline constexpr const char* kEvolutionSchema =
    "CREATE TABLE keys (key TEXT PRIMARY KEY, value TEXT, folder_id TEXT REFERENCES folders);"
    "CREATE TABLE folders (folder_id TEXT PRIMARY KEY, version INTEGER, multivalues TEXT, lc_collate TEXT,"
    " countrycode VARCHAR(2));"
    "INSERT INTO folders VALUES ('folder_id', 12, 'email;tel', 'en_US.UTF-8', 'US');"
    "CREATE TABLE folder_id (uid TEXT PRIMARY KEY, Rev TEXT, file_as TEXT, file_as_localized TEXT,"
    " nickname TEXT, full_name TEXT, given_name TEXT, given_name_localized TEXT, family_name TEXT,"
    " family_name_localized TEXT, email_1 TEXT, email_2 TEXT, email_3 TEXT, email_4 TEXT, is_list INTEGER,"
    " list_show_addresses INTEGER, wants_html INTEGER, x509Cert INTEGER, pgpCert INTEGER, vcard TEXT, bdata "
    "TEXT);"
    "CREATE TABLE folder_id_email_list (uid TEXT NOT NULL REFERENCES folder_id(uid) ON DELETE CASCADE,"
    " value TEXT);";

} // namespace testbooks
