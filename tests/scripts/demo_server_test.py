#!/usr/bin/python3
"""Tests of scripts/demo-server, spoken to as the browser engine does: CONNECT to the proxy,
then TLS and HTTP inside the tunnel. Run by CTest; standard library only."""

import http.client
import os
import signal
import socket
import ssl
import subprocess
import tempfile
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
SERVER = os.path.join(HERE, "..", "..", "scripts", "demo-server")
ONLINE = os.path.join(HERE, "..", "..", "examples", "online")
HOST = "support.veskora.example"


class DemoServer:
    """One server process with its own temporary folder."""

    def __init__(self):
        self.scratch = tempfile.TemporaryDirectory()
        port_file = os.path.join(self.scratch.name, "port")
        env = dict(os.environ, TMPDIR=self.scratch.name)
        self.process = subprocess.Popen([SERVER, "--port-file", port_file], env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        deadline = time.monotonic() + 20
        while not os.path.exists(port_file):
            if self.process.poll() is not None or time.monotonic() > deadline:
                self.stop()
                raise RuntimeError("demo server did not start: %s" % self.process.stderr.read())
            time.sleep(0.05)
        with open(port_file) as f:
            self.port = int(f.read())

    def tunnel(self):
        context = ssl.create_default_context()
        context.check_hostname = False
        context.verify_mode = ssl.CERT_NONE
        connection = http.client.HTTPSConnection("127.0.0.1", self.port, context=context,
                                                 timeout=10)
        connection.set_tunnel(HOST, 443)
        return connection

    def raw(self, request):
        """Status code of a request sent to the proxy itself."""
        with socket.create_connection(("127.0.0.1", self.port), timeout=10) as s:
            s.sendall(request.encode())
            return int(s.makefile("rb").readline().split()[1])

    def stop(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.process.stderr.close()
        self.scratch.cleanup()


class ServesTheSupportHostOnly(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = DemoServer()

    @classmethod
    def tearDownClass(cls):
        cls.server.stop()

    def test_serves_the_support_page_with_its_query_on_a_kept_connection(self):
        with open(os.path.join(ONLINE, "support", "hits.html"), "rb") as f:
            page = f.read()
        connection = self.server.tunnel()
        for _ in range(2):  # the engine reuses the tunnel
            connection.request("GET", "/support/hits.html?productid=73&offline=73&version=02.00.00")
            response = connection.getresponse()
            self.assertEqual(response.status, 200)
            self.assertEqual(response.getheader("Content-Type"), "text/html; charset=utf-8")
            self.assertEqual(response.read(), page)
        connection.close()

    def test_refuses_every_other_destination(self):
        for request in ["CONNECT example.com:443 HTTP/1.1\r\nHost: example.com:443\r\n\r\n",
                        "CONNECT %s:8443 HTTP/1.1\r\nHost: %s:8443\r\n\r\n" % (HOST, HOST),
                        "CONNECT %s.evil.example:443 HTTP/1.1\r\n\r\n" % HOST,
                        "GET http://example.com/ HTTP/1.1\r\nHost: example.com\r\n\r\n",
                        "GET /support/hits.html HTTP/1.1\r\nHost: %s\r\n\r\n" % HOST]:
            with self.subTest(request=request.split("\r\n")[0]):
                self.assertEqual(self.server.raw(request), 502)

    def test_plain_proxy_request_for_the_support_host_is_served(self):
        request = "GET http://%s/support/hits.html HTTP/1.1\r\nHost: %s\r\n\r\n" % (HOST, HOST)
        self.assertEqual(self.server.raw(request), 200)

    def test_stays_inside_the_online_folder(self):
        for path in ["/../scripts/demo-server", "/%2e%2e/%2e%2e/scripts/demo-server",
                     "/support/../../Vesk.ini", "/support/", "/support/fehlt.html"]:
            with self.subTest(path=path):
                connection = self.server.tunnel()
                connection.request("GET", path)
                response = connection.getresponse()
                self.assertEqual(response.status, 404)
                response.read()
                connection.close()

    def test_form_receipt_shows_the_fields_as_text(self):
        connection = self.server.tunnel()
        connection.request("POST", "/support/senden",
                           body="Nachname=%3Cb%3EM%C3%A4hrlein%3C%2Fb%3E&Betreff=Test",
                           headers={"Content-Type": "application/x-www-form-urlencoded"})
        response = connection.getresponse()
        body = response.read().decode("utf-8")
        self.assertEqual(response.status, 200)
        self.assertIn("&lt;b&gt;Mährlein&lt;/b&gt;", body)
        self.assertNotIn("<b>Mährlein", body)
        connection.close()

    def test_refuses_an_oversized_form_without_reading_it(self):
        connection = self.server.tunnel()
        connection.putrequest("POST", "/support/senden")
        connection.putheader("Content-Length", str(10 * 1024 * 1024))
        connection.endheaders()
        self.assertEqual(connection.getresponse().status, 413)
        connection.close()


class StopsCleanly(unittest.TestCase):
    def test_sigterm_ends_it_with_code_0_and_removes_its_certificate(self):
        server = DemoServer()
        try:
            # An idle open tunnel must not hold up the shutdown.
            idle = server.tunnel()
            idle.request("GET", "/support/hits.html")
            idle.getresponse().read()
            started = time.monotonic()
            server.process.send_signal(signal.SIGTERM)
            self.assertEqual(server.process.wait(10), 0)
            self.assertLess(time.monotonic() - started, 5)
            self.assertEqual(os.listdir(server.scratch.name), ["port"])
            idle.close()
        finally:
            server.stop()


if __name__ == "__main__":
    unittest.main(verbosity=2)
