/* A C host: the exchange rate of currency 4 from the demo database, through
 * liblumo-action. Usage: c-host DATABASE (written with the demo data when
 * missing). */
#include <lumo/lumo_action.h>
#include <stdio.h>
#include <unistd.h>

static int fail(const char* what) {
  fprintf(stderr, "c-host: %s: %s\n", what, lumo_action_last_error());
  return 1;
}

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: c-host DATABASE\n");
    return 2;
  }
  const char* database = argv[1];
  if (access(database, F_OK) != 0 && lumo_action_create_database(database, 1) != LUMO_ACTION_OK)
    return fail("create database");
  if (lumo_action_use_default_host(NULL) != LUMO_ACTION_OK) return fail("register host");

  /* The path is braced; a '}' in it would have to be doubled. */
  char props[4096];
  snprintf(props, sizeof props, "DBFile={%s};UserID=16;Language=CHS", database);
  lumo_action_handle component = 0;
  if (lumo_action_create(props, &component) != LUMO_ACTION_OK) return fail("create");

  int32_t result = 0;
  const char* dct_return = NULL;
  int status = lumo_action_do(component, "TevSer_GetExchangeRate", "{\"P_CurrencyID\": 4}", NULL,
                              &result, &dct_return, NULL);
  if (status != LUMO_ACTION_OK) return fail("TevSer_GetExchangeRate");
  printf("result %d\nreturn %s\n", (int)result, dct_return);
  lumo_action_destroy(component);
  return 0;
}
