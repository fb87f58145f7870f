#!/usr/bin/env python3
"""A Python host: the exchange rate of currency 4 from the demo database,
through liblumo-action and ctypes. Usage: python_host.py DATABASE [LIBRARY]"""
import ctypes
import json
import os
import sys

database = sys.argv[1]
lumo = ctypes.CDLL(sys.argv[2] if len(sys.argv) > 2 else "liblumo-action.so.1")
lumo.lumo_action_last_error.restype = ctypes.c_char_p
lumo.lumo_action_create.argtypes = [ctypes.c_char_p, ctypes.POINTER(ctypes.c_uint64)]
lumo.lumo_action_destroy.argtypes = [ctypes.c_uint64]
lumo.lumo_action_do.argtypes = [ctypes.c_uint64, ctypes.c_char_p, ctypes.c_char_p,
                                ctypes.c_char_p, ctypes.POINTER(ctypes.c_int32),
                                ctypes.POINTER(ctypes.c_char_p), ctypes.POINTER(ctypes.c_char_p)]


def check(status, what):
    if status != 0:
        sys.exit(f"python-host: {what}: {lumo.lumo_action_last_error().decode()}")


if not os.path.exists(database):
    check(lumo.lumo_action_create_database(database.encode(), 1), "create database")
check(lumo.lumo_action_use_default_host(None), "register host")
props = "DBFile={%s};UserID=16;Language=CHS" % database.replace("}", "}}")
component = ctypes.c_uint64()
check(lumo.lumo_action_create(props.encode(), ctypes.byref(component)), "create")
try:
    result, returned, para = ctypes.c_int32(), ctypes.c_char_p(), ctypes.c_char_p()
    check(lumo.lumo_action_do(component, b"TevSer_GetExchangeRate",
                              json.dumps({"P_CurrencyID": 4}).encode(), None,
                              ctypes.byref(result), ctypes.byref(returned), ctypes.byref(para)),
          "TevSer_GetExchangeRate")
    print("result", result.value)
    print("rate", json.loads(returned.value)["P_ExchangeRate"])
finally:
    lumo.lumo_action_destroy(component)
