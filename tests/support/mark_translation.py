#!/usr/bin/env python3
"""Turns lupdate's output into the marking translation: every text becomes
⟦text⟧, its %1, %n and & kept, so that a window shown with it tells a text
that went through tr() from one that did not."""
import sys
import xml.etree.ElementTree as ET

source, target = sys.argv[1], sys.argv[2]
tree = ET.parse(source)
root = tree.getroot()
# English plural rules: two forms.
root.set("language", "en")
for message in root.iter("message"):
    text = "\u27e6" + message.findtext("source", "") + "\u27e7"
    old = message.find("translation")
    if old is not None:
        message.remove(old)
    translation = ET.SubElement(message, "translation")
    if message.get("numerus") == "yes":
        for _ in range(2):
            ET.SubElement(translation, "numerusform").text = text
    else:
        translation.text = text
tree.write(target, encoding="utf-8", xml_declaration=True)
