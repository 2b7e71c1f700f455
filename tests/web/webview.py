#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# A WebKitGTK browser that is one web view in a window of any size (MiniBrowser cannot be
# narrower than 447 px), for WebKitWebDriver to launch as its browser. The session's language,
# motion preference and download folder come from the command line; its data lives in memory.
import argparse
import os

import gi

gi.require_version("Gtk", "3.0")
gi.require_version("WebKit2", "4.1")
from gi.repository import Gtk, WebKit2  # noqa: E402

parser = argparse.ArgumentParser()
parser.add_argument("--size", default="1280x800", help="the web view's width and height, e.g. 360x640")
parser.add_argument("--language", default="en-US")
parser.add_argument("--reduced-motion", action="store_true")
parser.add_argument("--downloads", default=os.getcwd())
options = parser.parse_args()
width, height = (int(n) for n in options.size.split("x"))

# WebKitGTK takes prefers-reduced-motion from GTK's animation setting.
Gtk.Settings.get_default().set_property("gtk-enable-animations", not options.reduced_motion)
context = WebKit2.WebContext.new_ephemeral()
context.set_preferred_languages([options.language])
context.set_automation_allowed(True)


def new_view(session):
    view = WebKit2.WebView(web_context=context, is_controlled_by_automation=True)
    window = Gtk.Window()
    window.set_default_size(width, height)
    window.add(view)
    window.connect("destroy", Gtk.main_quit)
    view.connect("close", lambda closed: window.destroy())
    window.show_all()
    return view


def automation_started(started, session):
    info = WebKit2.ApplicationInfo()
    info.set_name("webview")
    info.set_version(1, 0, 0)
    session.set_application_info(info)
    session.connect("create-web-view", new_view)


def download_started(started, download):
    def destination(asked, name):
        asked.set_destination("file://" + os.path.join(options.downloads, name))
        return True

    download.connect("decide-destination", destination)


context.connect("automation-started", automation_started)
context.connect("download-started", download_started)
Gtk.main()
