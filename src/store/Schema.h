#pragma once

#include <QSqlDatabase>
#include <QString>

namespace store {

// The tables of a store database (STORE/store.db). Dates are INTEGER
// milliseconds since 1970-01-01 UTC; NULL is "never" (the platform's 0).
// Flags are INTEGER 0/1. Rows refer to each other by their INTEGER id.
//
//   meta(key PK, value)                  'schema_version'; 'building' while a store is built
//   settings(key PK, value)              'client.user' (user ID), 'MajorVersion' (8)
//   domains(id, name UNIQUE, dn, path)      path relative to STORE when inside it
//   post_offices(id, domain_id, name, dn)                 UNIQUE(domain_id, name)
//   users(id, post_office_id, user_id UNIQUE COLLATE NOCASE, given_name, surname,
//         display_name, active, default_library_id)
//         active 0: no longer in the system (kept so old documents still name them)
//   distribution_lists(id, post_office_id, name, display_name)
//   distribution_members(list_id, user_id)                PK(list_id, user_id)
//   domain_admins(domain_id, user_id)                      PK; who may ConnectbyDN
//   libraries(id, post_office_id, name, description, dn, directory, default_librarian,
//             default_rights)                              UNIQUE(post_office_id, name)
//         directory: the folder under STORE/files/ holding the library's content
//   library_rights(library_id, user_id, librarian, rights) PK; explicit access rights
//   document_types(id, library_id, name, position)
//   field_definitions(id, library_id, name, field_type, position)   1 text 2 numeric 3 date
//   documents(id, library_id, number, subject, author_id, creator_id, type_id, created,
//             official_version, current_version)           UNIQUE(library_id, number)
//   versions(id, document_id, number, creator_id, retriever_id, retrieved, created,
//            expires, description, file_type, content_file, staged_file, size,
//            archived, checked_out, in_use, read_write)   UNIQUE(document_id, number)
//         content_file: 8.3 name inside the library's directory ('' = no content)
//         checked_out: 1 when held; retriever_id names the holder
//   field_values(document_id, field_id, value)            PK(document_id, field_id)
//   rights(id, document_id, kind, position, user_id, list_id, display_name,
//          official, current, other, revoke_all, modify_security)
//         kind 0 creator, 1 default, 2 sharing-list entry (in position order);
//         a sharing entry names a user or a list, or only display_name for a
//         user no longer in the system
//   events(id, version_id, event_type, user_id, user_name, created, file_name)
//         file_name: the content file, relative to STORE (files/FOLDER/NAME)
//   refs(id, owner_id, version_id, message_id UNIQUE, created, in_trash, deleted)
//         document references of a user's Documents folder; in_trash after Delete,
//         deleted after Delete in the trash
//   address_books(id, name, owner_id)                      owner_id NULL: system book
//   address_entries(id, book_id, display_name, user_id, list_id)
//   directory_objects(id, dn UNIQUE COLLATE NOCASE, object_class)
//   directory_attributes(object_id, name, position, value)
//   fault_rules(id, member, library, document, version, event, entry, occurrence,
//               message, calls)
//         raise message when member is read or called on the named object (NULL
//         scope = any); occurrence k > 0: only the k-th matching call
//   pending(id, owner, kind, stage, version_id, folder, new_file, old_file, detail, created)
//         a change of content files under way (README: the write order): owner names the
//         program's entry in STORE/owners/; folder is the library's directory; stage 0 until
//         the change's database step is committed, 1 after; new_file the content file the
//         change makes, old_file the one it retires into the salvage area; detail (JSON) what a
//         kind needs besides (PendingChange)
//
// Version 2 added pending; version 3 records paths inside the store relative to its directory
// (events.file_name, domains.path; StorePaths). A store of an earlier version is brought to
// this one when it is opened.
class Schema
{
public:
    static constexpr int Version = 3;

    // Creates every table and index in an empty database.
    static void create(QSqlDatabase& db);
    // The schema version recorded in the database, 0 when there is none (an empty database or
    // one of another program). Raises StoreError when the database cannot be read at all.
    static int versionOf(QSqlDatabase& db);
    // Brings a database of an earlier version to this one, in the caller's transaction.
    static void migrate(QSqlDatabase& db, int from);
};

} // namespace store
