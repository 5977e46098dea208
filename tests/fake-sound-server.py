#!/usr/bin/env python3
# A sound server gone wrong, for the tests: a Unix socket at PATH that takes every
# connection and then never answers (silent, as a hung or stopped server does) or
# closes it at once (closing). Runs until it is killed.
#   fake-sound-server.py silent|closing PATH
import socket
import sys

mode, path = sys.argv[1], sys.argv[2]
server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
server.bind(path)
server.listen(16)
held = []
while True:
    connection, _ = server.accept()
    if mode == "closing":
        connection.close()
    else:
        held.append(connection)
