/* The component's C interface (liblumo-action.so.1).
 *
 * A component is apartment-threaded: create it, use it and destroy it on one
 * thread. A handle used on another thread, or after lumo_action_destroy, is
 * refused with an error; it never crashes the host. Components a thread
 * leaves undestroyed are destroyed when the thread ends.
 *
 * Every function returns LUMO_ACTION_OK or another status below; after any
 * other status lumo_action_last_error() says why. No C++ exception leaves
 * this interface.
 *
 * dctPara and dctReturn cross as JSON texts, in the forms lumo-action reads
 * and prints:
 *   number     a whole number in 32-bit range is a Long, any other a Double
 *   "text"     String      true / false  Boolean     null  Null
 *   {...}      Dictionary, keys in their order     [...]  array from 0
 *   {"$array": [...], "$lbound": N}    array from N
 *   {"$vector": [...]}                 Vector, first item at index 1
 *   {"$empty": true}  Empty            {"$nothing": true}  Nothing
 */
#ifndef LUMO_ACTION_H
#define LUMO_ACTION_H

#include <stdint.h>

#if defined(LUMO_ACTION_BUILDING)
#define LUMO_ACTION_API __attribute__((visibility("default")))
#else
#define LUMO_ACTION_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Statuses. */
#define LUMO_ACTION_OK 0
#define LUMO_ACTION_E_ARGUMENT 1       /* a required pointer is NULL */
#define LUMO_ACTION_E_JSON 2           /* dctPara or dctReturn is not usable JSON */
#define LUMO_ACTION_E_UNKNOWN_ACTION 3 /* no action has that name */
#define LUMO_ACTION_E_HANDLE 4         /* destroyed, or never created */
#define LUMO_ACTION_E_THREAD 5         /* created on another thread */
#define LUMO_ACTION_E_ACTION 6         /* the action trapped an error; its outputs are set */
#define LUMO_ACTION_E_FAILED 7         /* anything else (a database that cannot be written...) */

/* A component; 0 is never one. */
typedef uint64_t lumo_action_handle;

/* The library's version, e.g. "1.0". */
LUMO_ACTION_API const char* lumo_action_version(void);

/* Why this thread's last failed call failed; "" after a call that succeeded.
 * Owned by the library, valid until this thread's next call. */
LUMO_ACTION_API const char* lumo_action_last_error(void);

/* Registers, for the whole process, the host components lumo-action uses:
 * the database access (SQLite files and ODBC), the session components, the
 * viewers and a presenter that closes every dialog unseen. A host that
 * registers its own (through the C++ interface) does not call this. Calling
 * it again replaces them. trace_file: where the trace log appends, or NULL
 * for no trace. */
LUMO_ACTION_API int lumo_action_use_default_host(const char* trace_file);

/* Writes a new SQLite database at path: the schema, and the demo data when
 * with_demo_data is not 0. Refuses to overwrite an existing file. */
LUMO_ACTION_API int lumo_action_create_database(const char* path, int with_demo_data);

/* Creates a component on this thread. props is the session's property
 * string (e.g. "DBFile={/path/demo.db};UserID=16;Language=CHS"): each
 * DoAction puts it into dctPara as "PropString" unless dctPara has one, and
 * it is published as the session's "PropsString" for the viewers. NULL: no
 * session properties. */
LUMO_ACTION_API int lumo_action_create(const char* props, lumo_action_handle* handle);

/* Destroys a component of this thread. */
LUMO_ACTION_API int lumo_action_destroy(lumo_action_handle handle);

/* Runs the action named `action` (letter case aside) with dctPara and
 * dctReturn given as JSON objects. para_json NULL: an empty dctPara.
 * return_json NULL, "null" or {"$nothing": true}: dctReturn is Nothing.
 * On LUMO_ACTION_OK and LUMO_ACTION_E_ACTION, *result is the action's
 * result and, where the pointers are not NULL, *new_return_json and
 * *new_para_json the dictionaries after the action (dctReturn "null" when
 * still Nothing). Those texts are owned by the component and stay valid
 * until its next lumo_action_do or its destruction. */
LUMO_ACTION_API int lumo_action_do(lumo_action_handle handle, const char* action,
                                   const char* para_json, const char* return_json, int32_t* result,
                                   const char** new_return_json, const char** new_para_json);

#ifdef __cplusplus
}
#endif

#endif /* LUMO_ACTION_H */
